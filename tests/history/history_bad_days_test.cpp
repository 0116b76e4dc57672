#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <thread>

#include "history_test_kit.h"
#include "unprivileged.h"

namespace quelbrook::testing {
namespace {

using history::RomHistory;

// The write goes ahead whatever the history's trouble, with a note that says why.
void ExpectWrittenWithNote(const std::string& rom, const std::string& why) {
  auto expected = ReadFile(rom);
  expected[ScreenRecordOffset(4)] ^= 0x0F;
  const std::string note =
      WriteRecorded(rom, {{ScreenRecordOffset(4), {expected[ScreenRecordOffset(4)]}}}, "Save screen 4");
  EXPECT_EQ(ReadFile(rom), expected);
  EXPECT_NE(note.find("Restore points are off for this ROM: Quelbrook.nes.history " + why), std::string::npos)
      << note;
}

TEST_F(HistoryTest, ADamagedHistoryNeverStopsAWriteAndIsLeftAsItWas) {
  WriteText(historyPath, std::string(5000, 'x'));
  ExpectWrittenWithNote(rom, "is damaged");
  EXPECT_EQ(ReadFile(historyPath), std::vector<std::uint8_t>(5000, 'x'));
}

TEST_F(HistoryTest, AnotherRomsHistoryIsNeverWrittenTo) {
  TempDir other;
  const std::string otherRom = (other / "Quelbrook.nes").string();
  RomBuilder(kFullRomSize, 0xAA).Write(otherRom);
  WriteRecorded(otherRom, {{100, {1}}}, "other");
  std::filesystem::copy_file(RomHistory::PathFor(otherRom), historyPath);
  const auto kept = ReadFile(historyPath);
  ExpectWrittenWithNote(rom, "is not this ROM's history: it was made for another ROM");
  EXPECT_EQ(RomHistory(historyPath).Count(), 2);
  // Another program's database is not taken over either.
  std::filesystem::remove(historyPath);
  {
    history::Connection db(historyPath, 1000, {});
    db.Execute("CREATE TABLE notes(text TEXT)");
  }
  ExpectWrittenWithNote(rom, "is not this ROM's history: it is a database of another program");
}

TEST_F(HistoryTest, AReadOnlyHistoryNeverStopsAWrite) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  ::chmod(rom.c_str(), 0666);
  ::chmod(historyPath.c_str(), 0444);
  ::chmod(dir.path().c_str(), 0555);
  const auto result = RunUnprivileged([&] {
    auto expected = ReadFile(rom);
    expected[100] = 2;
    const std::string note = WriteRecorded(rom, {{100, {2}}}, "second");
    return ReadFile(rom) == expected ? note : "ROM not written";
  });
  ::chmod(dir.path().c_str(), 0755);
  if (!result) GTEST_SKIP() << "no unprivileged child";
  EXPECT_NE(result->find("Quelbrook.nes.history cannot be written"), std::string::npos) << *result;
}

TEST_F(HistoryTest, AHistoryThatCannotGrowNeverStopsAWrite) {
  ::chmod(rom.c_str(), 0666);
  ::chmod(dir.path().c_str(), 0777);
  // A file size limit just above the ROM's: its writes fit, the history's first point does not.
  const auto result = RunUnprivileged([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kFullRomSize + 4096, kFullRomSize + 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    auto expected = ReadFile(rom);
    expected[100] = 2;
    const std::string note = WriteRecorded(rom, {{100, {2}}}, "first");
    return ReadFile(rom) == expected ? note : "ROM not written";
  });
  if (!result) GTEST_SKIP() << "no unprivileged child";
  EXPECT_EQ(result->rfind("Restore points are off for this ROM: Quelbrook.nes.history ", 0), 0u) << *result;
  EXPECT_NE(result->find("The ROM was written all the same."), std::string::npos) << *result;
}

TEST_F(HistoryTest, AHistoryLockedByAnotherProgramIsWaitedForThenLeftAside) {
  WriteRecorded(rom, {{100, {1}}}, "first");
  history::Connection holder(historyPath, 1000, {});
  holder.Execute("BEGIN IMMEDIATE");
  int waits = 0;
  auto expected = Rom();
  expected[100] = 2;
  const std::string note = WriteRecorded(rom, {{100, {2}}}, "second", [&] { ++waits; });
  EXPECT_EQ(waits, 1);
  EXPECT_EQ(Rom(), expected);
  EXPECT_NE(note.find("is in use: another program kept it locked for 5 s"), std::string::npos) << note;
  holder.Execute("ROLLBACK");
  // Once free again, the missed write comes in as a change from outside.
  WriteRecorded(rom, {{100, {3}}}, "third");
  const auto points = RomHistory(historyPath).List();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2].words, "Changed outside the editor");
  EXPECT_EQ(IntegrityCheck(), "ok");
}

TEST_F(HistoryTest, TwoWritersAtOnceKeepEachOthersPoints) {
  constexpr int kEach = 40;
  // Each as a window would: its history kept open between writes.
  auto writer = [&](long offset) {
    history::KeptHistory kept(rom);
    for (int i = 0; i < kEach; ++i)
      history::WritePatchesRecorded(kept, {{offset, {static_cast<std::uint8_t>(i + 1)}}},
                                    std::to_string(offset));
  };
  std::thread first(writer, ScreenRecordOffset(1));
  std::thread second(writer, ScreenRecordOffset(2));
  first.join();
  second.join();
  RomHistory kept(historyPath);
  EXPECT_EQ(kept.Count(), 1 + 2 * kEach);
  EXPECT_EQ(kept.StateAfter(kept.Count()), Rom());
  for (const auto& point : kept.List()) EXPECT_NE(point.words, history::kOutsideChangeWords);
}

}  // namespace
}  // namespace quelbrook::testing
