#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "history_test_kit.h"

namespace quelbrook::testing {
namespace {

using history::RomHistory;

// A child saves records until killed at a random moment; after each kill, the next write
// must find history and ROM in agreement: its pending point settled, the last state the ROM
// (a torn record noted as a change from outside), every earlier state still rebuilt.
TEST_F(HistoryTest, SavesKilledAtRandomMomentsLeaveHistoryAndRomInAgreement) {
  std::mt19937 random(11);
  int saves = 0;
  for (int round = 0; saves < 1000 && round < 400; ++round) {
    const unsigned seed = random();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::mt19937 childRandom(seed);
      history::KeptHistory kept(rom);
      for (;;) history::WritePatchesRecorded(kept, {RandomRecordPatch(childRandom)}, "save");
    }
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<int>(0, 150000)(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    const auto onDisk = Rom();
    RomHistory kept(historyPath);
    kept.Recover(onDisk);
    const int count = kept.Count();
    if (count == 0) continue;
    const auto last = kept.StateAfter(count);
    // Only a record written halfway may differ, and the next write notes it.
    const auto changed = ChangedOffsets(last, onDisk);
    if (!changed.empty()) {
      EXPECT_LT(changed.back() - changed.front(), static_cast<std::size_t>(kScreenRecordLength));
      EXPECT_EQ(WriteRecorded(rom, {{100, {static_cast<std::uint8_t>(round)}}}, "after a kill"), "");
      RomHistory settled(historyPath);
      EXPECT_EQ(settled.StateAfter(settled.Count()), Rom());
    }
    saves = kept.Count();
  }
  EXPECT_GE(saves, 1000);
  RomHistory kept(historyPath);
  for (int point = 1; point <= kept.Count(); point += 97) EXPECT_NO_THROW(kept.StateAfter(point));
  EXPECT_EQ(IntegrityCheck(), "ok");
}

}  // namespace
}  // namespace quelbrook::testing
