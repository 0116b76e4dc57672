// quelbrook route on the demo ROM: the screens a walk enters and when, and --expect's verdict,
// on a short walk and on the shipped route from the start to the throne room.
#include <filesystem>

#include "byte_map.h"
#include "cli_fixture.h"
#include "rom_patch.h"
#include "unreadable_roms.h"

namespace quelbrook::testing {
namespace {

class RouteCommandTest : public CliTest {
 protected:
  static std::string DemoRom() { return std::string(QUELBROOK_TEST_APP_DIR) + "/Quelbrook.nes"; }
  static std::string ShippedRoute() { return std::string(QUELBROOK_TEST_ROUTES_DIR) + "/to-the-throne.txt"; }
  CliRun Route(std::vector<std::string> words) {
    words.insert(words.begin(), "route");
    return RunCli(words);
  }
};

constexpr const char* kWalkRight = "screen 40 at frame 5\nscreen 41 at frame 72\n";

TEST_F(RouteCommandTest, AWalkEntersTheNeighbourAtItsFrameWhetherTheScriptIsInlineOrAFile) {
  const auto before = ReadFile(DemoRom());
  const CliRun start = Route({DemoRom(), "right:11-90", "--expect", "56"});
  EXPECT_EQ(start.exitCode, 0) << start.err;
  EXPECT_EQ(start.out, "screen 55 at frame 5\nscreen 56 at frame 72\n") << "from the start screen";
  EXPECT_EQ(start.err, "");

  WriteText(dir / "walk.txt", "right:11-50\n\n  right:51-90,\n");
  const CliRun file_run = Route({"--screen", "40", DemoRom(), Path("walk.txt")});
  EXPECT_EQ(file_run.exitCode, 0) << file_run.err;
  EXPECT_EQ(file_run.out, kWalkRight);
  EXPECT_EQ(ReadFile(DemoRom()), before) << "the ROM is only read";
}

TEST_F(RouteCommandTest, AScreenNeverEnteredFailsNamingTheLastScreenReached) {
  const CliRun run = Route({DemoRom(), "right:11-90", "--screen", "40", "--expect", "42"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, kWalkRight) << "the screens entered are printed all the same";
  EXPECT_EQ(run.err, "quelbrook: screen 42 was never entered; the last screen reached is 41, at frame 72\n");

  const CliRun short_run =
      Route({DemoRom(), "right:11-90", "--screen", "40", "--frames", "50", "--expect", "41"});
  EXPECT_EQ(short_run.exitCode, 1);
  EXPECT_EQ(short_run.err,
            "quelbrook: screen 41 was never entered; the last screen reached is 40, at frame 5\n");
}

TEST_F(RouteCommandTest, TheShippedRouteReachesTheThroneRoomUnlessAWallClosesTheWay) {
  const CliRun run = Route({DemoRom(), ShippedRoute(), "--expect", "9"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "screen 55 at frame 5");
  EXPECT_NE(run.out.find("\nscreen 28 at frame "), std::string::npos) << "through the weak wall";
  EXPECT_EQ(run.out.substr(run.out.rfind("screen ")).substr(0, 9), "screen 9 ") << run.out;

  // Castle wall from the ceiling to the floor across screen 29, which the route crosses
  // from east to west.
  std::filesystem::copy_file(DemoRom(), Rom());
  std::vector<BytePatch> wall;
  for (int row = 1; row < kGridRows - 1; ++row)
    wall.push_back({ScreenRecordOffset(29) + kRecordTiles + row * kGridColumns + 3, {0x80}});
  WritePatchesToFile(Rom(), wall);
  const CliRun blocked = Route({Rom(), ShippedRoute(), "--expect", "9"});
  EXPECT_EQ(blocked.exitCode, 1);
  EXPECT_EQ(blocked.out.find("screen 28 "), std::string::npos) << blocked.out;
  EXPECT_EQ(
      blocked.err.rfind("quelbrook: screen 9 was never entered; the last screen reached is 29, at frame ", 0),
      0u)
      << blocked.err;
}

TEST_F(RouteCommandTest, WordsAndFilesAreCheckedBeforeTheGameRuns) {
  WriteText(dir / "empty.txt", " \n");
  WriteText(dir / "bad.txt", "right:11-90\nleft:5-1\n");
  const std::pair<std::vector<std::string>, std::string> usage[] = {
      {{DemoRom(), "right:11-90", "--expect", "0"}, "screen number 0 is out of range (1 to 128)"},
      {{DemoRom(), "right:11-90", "--expect"}, "--expect needs a value"},
      {{DemoRom()}, "expected 2 arguments, got 1"},
      {{DemoRom(), Path("empty.txt")}, "The input script " + Path("empty.txt") + " holds no entries"},
      {{DemoRom(), Path("bad.txt")}, "Input script entry \"left:5-1\": the range ends before it starts"},
  };
  for (const auto& [words, message] : usage) {
    const CliRun run = Route(words);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), "quelbrook: route: " + message);
  }
  ExpectFailure(Route({DemoRom(), Path("walk.txt")}), Path("walk.txt") + ": File not found");
  ExpectFailure(Route({DemoRom(), Path("")}), Path("") + ": File access denied");
  for (const auto& [rom, message] : UnreadableRoms(dir.path(), DemoRom())) {
    ExpectFailure(Route({rom, "right:1"}), message);
    ExpectFailure(Route({"--screen", "40", rom, "right:1"}), message);
  }
}

TEST_F(RouteCommandTest, AScriptOrRomThatMayNotBeReadIsSaidSo) {
  const UnreadableRom locked = RomNoOneMayRead(dir.path(), DemoRom());
  const auto rom = RunCliUnprivileged(dir.path(), {"route", locked.path, "right:1"});
  if (!rom) GTEST_SKIP() << "no unprivileged user who can reach a copy of the tool";
  ExpectFailure(*rom, locked.message);
  // Words without a ":" name a script file.
  const auto script = RunCliUnprivileged(dir.path(), {"route", DemoRom(), locked.path});
  ASSERT_TRUE(script);
  ExpectFailure(*script, locked.message);
}

}  // namespace
}  // namespace quelbrook::testing
