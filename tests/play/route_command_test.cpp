// quelbrook route on the demo ROM: the screens a walk enters and when, and --expect's verdict.
#include "cli_fixture.h"

namespace quelbrook::testing {
namespace {

class RouteCommandTest : public CliTest {
 protected:
  static std::string DemoRom() { return std::string(QUELBROOK_TEST_APP_DIR) + "/Quelbrook.nes"; }
  CliRun Route(std::vector<std::string> words) {
    words.insert(words.begin(), "route");
    return RunCli(words);
  }
};

constexpr const char* kWalkRight = "screen 40 at frame 6\nscreen 41 at frame 72\n";

TEST_F(RouteCommandTest, AWalkEntersTheNeighbourAtItsFrameWhetherTheScriptIsInlineOrAFile) {
  const auto before = ReadFile(DemoRom());
  const CliRun start = Route({DemoRom(), "right:11-90", "--expect", "56"});
  EXPECT_EQ(start.exitCode, 0) << start.err;
  EXPECT_EQ(start.out, "screen 55 at frame 6\nscreen 56 at frame 72\n") << "from the start screen";
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
            "quelbrook: screen 41 was never entered; the last screen reached is 40, at frame 6\n");
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
  ExpectFailure(Route({DemoRom(), Path("")}), Path("") + " is a folder, not a file");
  ExpectFailure(Route({Path("none.nes"), "right:1"}), Path("none.nes") + ": File not found");
}

}  // namespace
}  // namespace quelbrook::testing
