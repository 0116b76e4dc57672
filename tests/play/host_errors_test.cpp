// What the user can get wrong before a game runs: no core, a file that is no core, a file
// that is no ROM or only part of one, a ROM the core refuses. Each is a message, never a crash.
#include <QFile>

#include "core_search.h"
#include "editor_error.h"
#include "host.h"
#include "pad_sprite.h"
#include "play_fixture.h"

namespace quelbrook::testing {
namespace {

using HostErrorsTest = PlayTest;

QString Path(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EditorError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST_F(HostErrorsTest, WithoutACoreTheMessageNamesThePackage) {
  EXPECT_EQ(MessageOf([&] { play::ChooseNesCore({}, {Path(dir / "empty")}); }), play::kNoCoreMessage);
  EXPECT_EQ(MessageOf([&] { play::ChooseNesCore(Path(dir / "none.so")); }),
            "The libretro core " + (dir / "none.so").string() + " was not found");
  std::filesystem::create_directories(dir / "cores");
  EXPECT_EQ(MessageOf([&] { play::ChooseNesCore(Path(dir / "cores")); }),
            "The libretro core " + (dir / "cores").string() + " is a folder, not a core");
}

TEST_F(HostErrorsTest, AFileThatIsNoCoreIsRefusedWithItsReason) {
  WriteText(dir / "fake_libretro.so", "not a library");
  EXPECT_NE(MessageOf([&] {
              play::Host(Path(dir / "fake_libretro.so"), Path(dir / "play"));
            }).find("could not be loaded"),
            std::string::npos);
  // A real shared library without the libretro entry points.
  const QString zlib = "/lib/x86_64-linux-gnu/libz.so.1";
  if (QFile::exists(zlib)) {
    EXPECT_EQ(MessageOf([&] { play::Host(zlib, Path(dir / "play")); }),
              zlib.toStdString() + " is not a libretro core: it has no retro_api_version");
  }
  // Refused cores leave no host behind.
  EXPECT_NO_THROW(StartHost());
}

TEST_F(HostErrorsTest, FilesThatAreNoWholeRomNeverReachTheCore) {
  StartHost();
  WriteText(dir / "notes.nes", "These are notes, not a game.");
  EXPECT_EQ(MessageOf([&] { host->LoadRomFile(Path(dir / "notes.nes")); }),
            (dir / "notes.nes").string() + " is not an NES ROM: it does not begin with an iNES header");

  auto rom = ReadFile(TestNesProgram("pad_sprite.nes").toStdString());
  rom.resize(20000);
  WriteFile(dir / "cut.nes", rom);
  EXPECT_EQ(MessageOf([&] { host->LoadRomFile(Path(dir / "cut.nes")); }),
            (dir / "cut.nes").string() +
                " is a cut-off NES ROM: its header announces 131088 bytes, the file has 20000");

  EXPECT_EQ(MessageOf([&] { host->LoadRomFile(Path(dir / "missing.nes")); }), "File not found");
  EXPECT_FALSE(host->HasRom());
  EXPECT_THROW(host->RunFrame(), EditorError);
}

TEST_F(HostErrorsTest, ARomTheCoreRefusesIsNamed) {
  StartHost();
  auto rom = ReadFile(TestNesProgram("pad_sprite.nes").toStdString());
  rom[6] = 0x20;  // mapper 98: a number no cartridge board of the core's answers to
  rom[7] = 0x60;
  WriteFile(dir / "odd.nes", rom);
  const std::string message = MessageOf([&] { host->LoadRomFile(Path(dir / "odd.nes")); });
  EXPECT_EQ(message.rfind("The NES core refused " + (dir / "odd.nes").string(), 0), 0u) << message;
  EXPECT_FALSE(host->HasRom());
  host->LoadRomFile(TestNesProgram("pad_sprite.nes"));
  EXPECT_NO_THROW(host->RunFrame()) << "the host runs the next ROM";
}

TEST_F(HostErrorsTest, BytesThatAreNoRomLeaveTheRunningGamePlaying) {
  StartHost().LoadRomFile(TestNesProgram("pad_sprite.nes"));
  RunFrames(8);
  auto rom = ReadFile(TestNesProgram("pad_sprite.nes").toStdString());
  rom[0] = rom[1] = rom[2] = 'X';  // a rebuild gone wrong
  WriteFile(dir / "broken.nes", rom);
  EXPECT_EQ(MessageOf([&] { host->LoadRomFile(Path(dir / "broken.nes")); }),
            (dir / "broken.nes").string() + " is not an NES ROM: it does not begin with an iNES header");
  ASSERT_TRUE(host->HasRom());
  EXPECT_EQ(host->FramesRun(), 8);
  RunFrames(2);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart)) << "the same game runs on";
}

TEST_F(HostErrorsTest, AStateThatIsNoneOfThisCoresIsRefusedAndTheGamePlaysOn) {
  StartHost().LoadRomFile(TestNesProgram("pad_sprite.nes"));
  RunFrames(8);
  EXPECT_EQ(MessageOf([&] { host->LoadState("not a state"); }),
            "The NES core nestopia_libretro.so refused the saved state: it was saved from another game or "
            "another core");
  RunFrames(2);
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart));
}

TEST_F(HostErrorsTest, ACoreWhoseColoursCannotBeFixedPlaysButLearningRefusesIt) {
  {
    play::Host other(QUELBROOK_OTHER_CORE, Path(dir / "play"));
    EXPECT_FALSE(other.FramesAreReproducible());
    EXPECT_EQ(MessageOf([&] { other.RequireReproducibleFrames(); }),
              "The NES core other_libretro.so does not take the settings that make its frames the same on "
              "every run and in the editor's colours: learning pictures needs Debian's Nestopia core "
              "(package libretro-nestopia)");
    EXPECT_EQ(MessageOf([&] { other.SaveState(); }), "No game is loaded");
    other.LoadRomFile(TestNesProgram("pad_sprite.nes"));
    other.RunFrame();
    EXPECT_EQ(other.Frame().size(), QSize(4, 4)) << "it plays";
    EXPECT_EQ(MessageOf([&] { other.SaveState(); }),
              "The NES core other_libretro.so cannot save the game's state");
    EXPECT_TRUE(other.SystemRam().isEmpty());
  }
  StartHost();
  EXPECT_TRUE(host->FramesAreReproducible()) << "Debian's core takes every fixed value";
  EXPECT_NO_THROW(host->RequireReproducibleFrames());
}

}  // namespace
}  // namespace quelbrook::testing
