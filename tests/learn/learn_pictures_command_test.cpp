// quelbrook learn-pictures, run as a user's shell runs it.
#include <QDir>
#include <QFile>

#include "cli_fixture.h"
#include "whole_world_runs.h"

namespace quelbrook::testing {
namespace {

class LearnPicturesCommandTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string DemoRom() {
    return QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes").toStdString();
  }
  CliRun Learn(std::vector<std::string> words) {
    words.insert(words.begin(), "learn-pictures");
    return RunCli(words);
  }

  TempDir dir;
};

TEST_F(LearnPicturesCommandTest, PrintsTheReportItWritesBesideThePictures) {
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  const CliRun run = Learn({DemoRom(), Path("learned"), "--origin", "0,16", "--frames", "11"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto saved = ReadFile(dir / "learned" / "learned.txt");
  EXPECT_EQ(run.out, std::string(saved.begin(), saved.end()));
  EXPECT_NE(run.out.find("Play field origin: 0,16 (given)\n"), std::string::npos) << run.out;
  EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("learned/graph/0.bmp"))));
}

TEST_F(LearnPicturesCommandTest, WrongWordsAndAMissingCoreWriteNothing) {
  const std::pair<std::vector<std::string>, std::string> usage[] = {
      {{DemoRom(), Path("out"), "--origin", "16"}, "quelbrook: learn-pictures: the origin is X,Y, e.g. 0,16"},
      {{DemoRom(), Path("out"), "--frames", "0"},
       "quelbrook: learn-pictures: frame count 0 is out of range (1 to 10000)"},
      {{DemoRom()}, "quelbrook: learn-pictures: expected 2 arguments, got 1"},
  };
  for (const auto& [words, message] : usage) {
    const CliRun run = Learn(words);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), message);
  }
  ExpectFailure(Learn({DemoRom(), Path("out"), "--core", Path("none.so")}),
                "The libretro core " + Path("none.so") + " was not found");
  EXPECT_FALSE(QDir(QString::fromStdString(Path("out"))).exists());
}

TEST_F(LearnPicturesCommandTest, ACoreWhoseFramesAreNotRepeatableIsRefusedAndWritesNothing) {
  ExpectFailure(
      Learn({DemoRom(), Path("out"), "--core", QUELBROOK_OTHER_CORE}),
      "The NES core other_libretro.so does not take the settings that make its frames the same on every "
      "run and in the editor's colours: learning pictures needs Debian's Nestopia core (package "
      "libretro-nestopia)");
  EXPECT_FALSE(QDir(QString::fromStdString(Path("out"))).exists());
}

}  // namespace
}  // namespace quelbrook::testing
