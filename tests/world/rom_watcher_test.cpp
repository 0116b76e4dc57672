// The watch on the ROM file: what another program writes is news, what the window wrote and
// bytes written again unchanged are not.
#include "rom_watcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

// Larger than one piece the watcher reads, so that a change in the last one counts too.
constexpr std::size_t kRomSize = 131088;
// Long enough for the file event and the settling after it.
constexpr int kWaitMilliseconds = RomWatcher::kSettleMilliseconds * 4;

class RomWatcherTest : public ::testing::Test {
 protected:
  // File events arrive through an application's event loop.
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "world_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
  }
  void SetUp() override {
    WriteFile(rom(), bytes);
    watcher.watch(QString::fromStdString(rom().string()));
  }
  std::filesystem::path rom() const { return dir / "game.nes"; }
  // Whether the watcher reported a change within the wait.
  bool reported() { return spy.wait(kWaitMilliseconds); }

  TempDir dir;
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kRomSize, 0x11);
  RomWatcher watcher;
  QSignalSpy spy{&watcher, &RomWatcher::changedElsewhere};
};

TEST_F(RomWatcherTest, AnotherProgramsChangeIsNewsOnce) {
  bytes[kRomSize - 1] = 0x22;
  WriteFile(rom(), bytes);
  EXPECT_TRUE(reported());
  EXPECT_EQ(spy.count(), 1);
  EXPECT_FALSE(reported()) << "nothing more changed";
}

TEST_F(RomWatcherTest, TheSameBytesWrittenAgainAreNoNews) {
  WriteFile(rom(), bytes);
  EXPECT_FALSE(reported());
}

TEST_F(RomWatcherTest, TheWindowsOwnWriteIsNoNews) {
  bytes[5] = 0x33;
  WriteFile(rom(), bytes);
  watcher.noteOwnWrite();
  EXPECT_FALSE(reported());
}

// A ROM removed and written anew, as some tools write their output, is still watched.
TEST_F(RomWatcherTest, AFileCutShortRemovedOrPutBackIsNews) {
  bytes.resize(kRomSize - 1);
  WriteFile(rom(), bytes);
  EXPECT_TRUE(reported());
  std::filesystem::remove(rom());
  EXPECT_TRUE(reported());
  WriteFile(rom(), bytes);
  EXPECT_TRUE(reported());
  bytes[7] = 0x44;
  WriteFile(rom(), bytes);
  EXPECT_TRUE(reported());
  // Other files in the folder are no news.
  WriteFile(dir / "other.nes", bytes);
  EXPECT_FALSE(reported());
}

}  // namespace
}  // namespace quelbrook::testing
