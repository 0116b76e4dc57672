// quelbrook render --console and render-world --console, run as a user's shell runs them.
#include <QDir>
#include <QFile>
#include <QImage>
#include <filesystem>

#include "cli_fixture.h"
#include "unreadable_roms.h"
#include "whole_world_runs.h"

namespace quelbrook::testing {
namespace {

class RenderConsoleCommandTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string DemoRom() {
    return QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes").toStdString();
  }
  static QImage Png(const std::string& path) { return QImage(QString::fromStdString(path), "PNG"); }

  TempDir dir;
};

TEST_F(RenderConsoleCommandTest, AScreenIsThePlayedFramesPlayFieldAndTheEditorsPicture) {
  // The play field's place is found, as learn-pictures finds it.
  const CliRun console = RunCli({"render", DemoRom(), "55", Path("console.png"), "--console"});
  ASSERT_EQ(console.exitCode, 0) << console.err;
  EXPECT_EQ(console.err, "");
  ASSERT_EQ(RunCli({"play", DemoRom(), "--screen", "55", "--png", Path("played.png")}).exitCode, 0);
  ASSERT_EQ(RunCli({"render", DemoRom(), "55", Path("editor.png")}).exitCode, 0);
  const QImage picture = Png(Path("console.png"));
  ASSERT_EQ(picture.size(), QSize(256, 192));
  EXPECT_EQ(picture, Png(Path("played.png")).copy(0, 16, 256, 192).convertToFormat(picture.format()));
  EXPECT_EQ(picture, Png(Path("editor.png")).convertToFormat(picture.format()));
}

// ConsolePicturesTest captures the same 128 screens; this adds only their layout.
TEST_F(RenderConsoleCommandTest, TheWorldIsLaidOutAsRenderWorldLaysItOut) {
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  const CliRun console =
      RunCli({"render-world", "--console", DemoRom(), Path("console.png"), "--overlays", "--origin", "0,16"});
  ASSERT_EQ(console.exitCode, 0) << console.err;
  ASSERT_EQ(RunCli({"render-world", DemoRom(), Path("editor.png"), "--overlays"}).exitCode, 0);
  const QImage picture = Png(Path("console.png"));
  ASSERT_EQ(picture.size(), QSize(4096, 1536));
  EXPECT_EQ(picture, Png(Path("editor.png")).convertToFormat(picture.format()));
}

TEST_F(RenderConsoleCommandTest, AWrongPlaceOrRomWritesNothing) {
  const std::string nes = QUELBROOK_TEST_NES_DIR;
  std::filesystem::create_directory(dir / "folder");
  const std::string rom = Path("game.nes");
  std::filesystem::copy_file(DemoRom(), rom);
  const std::vector<std::uint8_t> romBytes = ReadFile(rom);
  // The ROM itself, named another way.
  const std::string romAgain = Path("folder/../game.nes");
  const std::pair<std::vector<std::string>, std::string> failures[] = {
      {{"render", rom, "55", Path("folder")}, "Cannot write file " + Path("folder") + ": "},
      {{"render", rom, "55", Path("out.png") + "/"}, "Cannot write file " + Path("out.png") + "/: "},
      {{"render-world", rom, Path("missing/out.png")},
       "Cannot write file " + Path("missing/out.png") + ": No such file or directory"},
      {{"render", rom, "55", romAgain}, romAgain + " is the ROM: the picture goes to another file"},
      {{"render-world", rom, romAgain}, romAgain + " is the ROM: the picture goes to another file"},
      {{"render", Path("none.nes"), "55", Path("out.png")}, "File not found"},
      {{"render", nes + "/pad_sprite.nes", "1", Path("out.png")},
       "pad_sprite.nes holds a single tile code, so the console view cannot show its screens. Is it a ROM of "
       "this game?"},
  };
  for (auto [words, message] : failures) {
    words.insert(words.end(), {"--console", "--origin", "0,16"});
    const CliRun run = RunCli(words);
    EXPECT_EQ(run.exitCode, 1) << words[1];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadFile(rom), romBytes);
  EXPECT_EQ(
      QDir(QString::fromStdString(dir.path().string())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
      (QStringList{"folder", "game.nes"}));
}

TEST_F(RenderConsoleCommandTest, ARomThatCannotBeReadIsNamedWithWhatIsWrongWithIt) {
  const auto render = [&](const std::string& rom) -> std::vector<std::string> {
    return {"render", rom, "55", Path("out.png"), "--console", "--origin", "0,16"};
  };
  for (const auto& [rom, message] : UnreadableRoms(dir.path(), DemoRom())) {
    ExpectFailure(RunCli(render(rom)), message);
    ExpectFailure(RunCli({"render-world", rom, Path("out.png"), "--console", "--origin", "0,16"}), message);
  }
  const UnreadableRom locked = RomNoOneMayRead(dir.path(), DemoRom());
  const auto run = RunCliUnprivileged(dir.path(), render(locked.path));
  if (!run) GTEST_SKIP() << "no unprivileged user who can reach a copy of the tool";
  ExpectFailure(*run, locked.message);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("out.png"))));
}

TEST_F(RenderConsoleCommandTest, OptionsThatDoNotGoTogetherAreUsageErrors) {
  const std::pair<std::vector<std::string>, std::string> usage[] = {
      {{"render", DemoRom(), "1", Path("out.png"), "--origin", "0,16"}, "--origin goes with --console"},
      {{"render-world", DemoRom(), Path("out.png"), "--frames", "3"}, "--frames goes with --console"},
      {{"render", DemoRom(), "1", Path("out.png"), "--console", "--strict"},
       "--strict does not go with --console"},
      {{"render", DemoRom(), "1", Path("out.png"), "--console", "--pictures", Path("")},
       "--pictures does not go with --console"},
      {{"render", DemoRom(), "1", Path("out.png"), "--console", "--input", "jump:3"},
       "\"jump\" is not a button"},
  };
  for (const auto& [words, message] : usage) {
    const CliRun run = RunCli(words);
    ExpectUsageError(run);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("out.png"))));
}

// Root may write any file; the tool run as another user may not replace one it cannot write.
TEST_F(RenderConsoleCommandTest, AnExistingFileThatCannotBeWrittenIsKept) {
  const std::string kept = Path("kept.png");
  WriteFile(kept, std::vector<std::uint8_t>{'k', 'e', 'p', 't'});
  std::filesystem::permissions(kept,
                               std::filesystem::perms::owner_read | std::filesystem::perms::others_read);
  // The tool opens a ROM for writing, as the editor does.
  const std::string rom = Path("Quelbrook.nes");
  std::filesystem::copy_file(DemoRom(), rom);
  std::filesystem::permissions(rom, std::filesystem::perms::all);
  const auto run =
      RunCliUnprivileged(dir.path(), {"render", rom, "1", kept, "--console", "--origin", "0,16"});
  if (!run) GTEST_SKIP() << "no unprivileged user who can reach a copy of the tool";
  EXPECT_EQ(run->exitCode, 1) << run->err;
  EXPECT_NE(run->err.find("Cannot write file " + kept), std::string::npos) << run->err;
  EXPECT_EQ(ReadFile(kept), (std::vector<std::uint8_t>{'k', 'e', 'p', 't'}));
}

}  // namespace
}  // namespace quelbrook::testing
