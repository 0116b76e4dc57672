// quelbrook play, run as a user's shell runs it, on the test program.
#include <QDir>
#include <QFile>
#include <QImage>

#include "cli_fixture.h"
#include "pad_sprite.h"
#include "play_fixture.h"
#include "unreadable_roms.h"

namespace quelbrook::testing {
namespace {

class PlayCommandTest : public ::testing::Test {
 protected:
  // The tool finds its console program beside itself, as when installed, without the tests' name for it.
  void SetUp() override { qunsetenv("QUELBROOK_CONSOLE"); }
  void TearDown() override { qputenv("QUELBROOK_CONSOLE", consoleProgram); }

  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string Program() { return TestNesProgram("pad_sprite.nes").toStdString(); }
  CliRun Play(std::vector<std::string> words) {
    words.insert(words.begin(), "play");
    return RunCli(words);
  }

  TempDir dir;
  const QByteArray consoleProgram = qgetenv("QUELBROOK_CONSOLE");
};

TEST_F(PlayCommandTest, ThePngIsTheLastFrameWithThePressesOfTheScript) {
  const CliRun run =
      Play({Program(), "--frames", "30", "--input", "right:10-19,down:12-13", "--png", Path("last.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  const QImage picture(QString::fromStdString(Path("last.png")));
  EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32), PadSpritePicture(kSpriteStart + QPoint(10, 2)));
}

TEST_F(PlayCommandTest, EveryMthFrameGoesToTheFolder) {
  const CliRun run = Play({"--every", "10", Path("frames"), Program(), "--frames", "25"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(QDir(QString::fromStdString(Path("frames"))).entryList(QDir::Files),
            QStringList({"frame-000000.png", "frame-000010.png", "frame-000020.png"}));
  EXPECT_EQ(
      QImage(QString::fromStdString(Path("frames/frame-000020.png"))).convertToFormat(QImage::Format_RGB32),
      PadSpritePicture(kSpriteStart));
}

TEST_F(PlayCommandTest, ACopyStartsOnTheScreenAndTheRomStaysAsItWas) {
  // The test program lies where the copy writes nothing; its game-sized banks take the writes.
  WriteFile(dir / "game.nes", ReadFile(Program()));
  const auto before = ReadFile(dir / "game.nes");
  const CliRun run = Play({Path("game.nes"), "--screen", "77", "--frames", "12", "--png", Path("copy.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(QImage(QString::fromStdString(Path("copy.png"))).convertToFormat(QImage::Format_RGB32),
            PadSpritePicture(kSpriteStart));
  EXPECT_EQ(ReadFile(dir / "game.nes"), before);
}

TEST_F(PlayCommandTest, AFileTooShortForTheStartScreenByteIsRefusedBeforeTheCoreLoads) {
  const auto program = ReadFile(Program());
  for (const std::size_t size : {std::size_t{30000}, std::size_t{33236}}) {
    WriteFile(dir / "small.nes", std::vector<std::uint8_t>(program.begin(), program.begin() + size));
    // A core that cannot load would be the message, had the core been loaded first.
    ExpectFailure(
        Play({Path("small.nes"), "--screen", "77", "--png", Path("x.png"), "--core", Path("none.so")}),
        "Cannot start on screen 77: " + Path("small.nes") +
            " ends before the byte that chooses the start screen (offset 33236; the file has " +
            std::to_string(size) + " bytes)");
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

TEST_F(PlayCommandTest, WhereTheFramesGoIsCheckedBeforeTheCoreLoads) {
  WriteText(dir / "file", "kept");
  WriteText(dir / "old.png", "kept");
  std::filesystem::create_directory(dir / "folder");
  const std::vector<std::string> noCore{Program(), "--frames", "3000", "--core", Path("none.so")};
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--png", Path("missing/x.png")},
       "Cannot write file " + Path("missing/x.png") + ": No such file or directory"},
      {{"--png", Path("folder")}, "Cannot write file " + Path("folder") + ": Filename refers to a directory"},
      {{"--png", Path("file/x.png")}, "Cannot write file " + Path("file/x.png") + ": Not a directory"},
      {{"--every", "10", Path("file")}, "The folder " + Path("file") + " is a file"},
      {{"--every", "10", Path("file/frames")}, "The folder " + Path("file/frames") + " could not be made"},
  };
  for (const auto& [words, message] : cases) {
    std::vector<std::string> call = noCore;
    call.insert(call.end(), words.begin(), words.end());
    ExpectFailure(Play(call), message);
  }
  // The ROM named as the picture: it would be the user's only copy.
  const auto program = ReadFile(Program());
  WriteFile(dir / "own.nes", program);
  ExpectFailure(Play({Path("own.nes"), "--png", Path("own.nes")}),
                Path("own.nes") + " is the ROM: the picture goes to another file");
  EXPECT_EQ(ReadFile(dir / "own.nes"), program);
  // A good destination passes, and the core is what fails: an existing picture stays as it was.
  const CliRun run = Play({Program(), "--png", Path("old.png"), "--core", Path("none.so")});
  EXPECT_EQ(run.err, "quelbrook: The libretro core " + Path("none.so") + " was not found\n");
  const std::vector<std::uint8_t> kept{'k', 'e', 'p', 't'};
  EXPECT_EQ(ReadFile(dir / "old.png"), kept);
  EXPECT_EQ(ReadFile(dir / "file"), kept);
  EXPECT_EQ(std::filesystem::directory_iterator(dir / "folder"), std::filesystem::directory_iterator());
}

TEST_F(PlayCommandTest, WrongWordsAreUsageErrors) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{Program(), "--input", "jump:5"},
       "quelbrook: play: Input script entry \"jump:5\": \"jump\" is not a button (up down left right a b "
       "start select)"},
      {{Program(), "--frames", "0"}, "quelbrook: play: frame count 0 is out of range (1 to 10000000)"},
      {{Program(), "--every", "5"}, "quelbrook: play: --every needs two values"},
      {{Program(), "--screen", "129"}, "quelbrook: play: screen number 129 is out of range (1 to 128)"},
      {{Program(), "--fast"}, "quelbrook: play: unknown option --fast"},
      {{}, "quelbrook: play: expected 1 argument, got 0"},
      {{Program(), "--frames", "30"},
       "quelbrook: play: nothing to write: give --png FILE, --every M DIR or both"},
      {{Program(), "--png", "x.png", "--input", "right:-5"},
       "quelbrook: play: Input script entry \"right:-5\": \"-5\" is not a frame number or a range FIRST-LAST "
       "(frames count from 0)"},
  };
  for (const auto& [words, message] : cases) {
    const CliRun run = Play(words);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), message);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(PlayCommandTest, FilesAndCoresThatCannotPlayAreFailures) {
  auto short_rom = ReadFile(Program());
  short_rom.resize(100);
  WriteFile(dir / "short.nes", short_rom);
  WriteText(dir / "text.nes", "hello");
  WriteText(dir / "fake_libretro.so", std::string(100, '#'));
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{Path("short.nes")},
       Path("short.nes") + " is a cut-off NES ROM: its header announces 131088 bytes, the file has 100"},
      {{Path("text.nes")}, Path("text.nes") + " is not an NES ROM: it does not begin with an iNES header"},
      {{Path("none.nes")}, Path("none.nes") + ": File not found"},
      {{Program(), "--core", Path("none.so")}, "The libretro core " + Path("none.so") + " was not found"},
      {{Program(), "--core", Path("fake_libretro.so")},
       "The libretro core " + Path("fake_libretro.so") + " could not be loaded: " + Path("fake_libretro.so") +
           ": invalid ELF header"},
  };
  for (auto [words, message] : cases) {
    words.insert(words.end(), {"--png", Path("x.png")});
    const CliRun run = Play(words);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quelbrook: " + message + "\n");
  }
}

// The ROM itself and a copy that starts on a screen are read alike, and say what is wrong.
TEST_F(PlayCommandTest, ARomThatCannotBeReadIsNamedWithWhatIsWrongWithIt) {
  for (const auto& [rom, message] : UnreadableRoms(dir.path(), Program())) {
    ExpectFailure(Play({rom, "--png", Path("x.png")}), message);
    ExpectFailure(Play({rom, "--screen", "5", "--png", Path("x.png")}), message);
  }
  const UnreadableRom locked = RomNoOneMayRead(dir.path(), Program());
  const auto run = RunCliUnprivileged(dir.path(), {"play", locked.path, "--png", Path("x.png")});
  if (!run) GTEST_SKIP() << "no unprivileged user who can reach a copy of the tool";
  ExpectFailure(*run, locked.message);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("x.png"))));
}

}  // namespace
}  // namespace quelbrook::testing
