// The console in its own process: a core that crashes or hangs ends the game with a message and
// leaves the caller running, the next game gets a fresh program, two consoles play at once, and
// a program grown by many games is started afresh.
#include "console_process.h"

#include <QFileInfo>
#include <chrono>

#include "core_search.h"
#include "editor_error.h"
#include "host.h"
#include "pad_sprite.h"
#include "play_fixture.h"
#include "process_memory.h"

namespace quelbrook::testing {
namespace {

using namespace std::chrono_literals;

// The faulty cores play this many frames, then fail.
constexpr int kFramesBeforeFault = 10;

class ConsoleProcessTest : public PlayTest {
 protected:
  QString PlayFolder() const { return QString::fromStdString((dir / "play").string()); }
  QByteArray PadSprite() const {
    QFile file(TestNesProgram("pad_sprite.nes"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // Plays the faulty core's good frames, then returns the message of the frame that fails.
  static std::string MessageOfTheFault(play::ConsoleProcess& console) {
    for (int frame = 0; frame < kFramesBeforeFault; ++frame) console.RunFrame();
    try {
      console.RunFrame();
    } catch (const EditorError& error) {
      return error.what();
    }
    return "(no error)";
  }
  static bool Exists(qint64 pid) { return QFileInfo::exists(QString("/proc/%1").arg(pid)); }

  // A core that fails this test's way ends the game with `message`, its program gone; the
  // next game starts a fresh program, and the console is as usable as before.
  void ExpectTheGameEndsAndTheNextOnePlays(const char* core, std::chrono::milliseconds deadline,
                                           const std::string& message) {
    play::ConsoleProcess console(core, PlayFolder(), play::ConsoleProgramPath(), deadline);
    console.LoadRom(PadSprite(), "pad_sprite.nes");
    const qint64 first = console.ProcessId();
    EXPECT_EQ(MessageOfTheFault(console), message);
    EXPECT_FALSE(console.HasRom());
    EXPECT_EQ(console.ProcessId(), 0);
    EXPECT_FALSE(Exists(first)) << "killed and reaped";
    EXPECT_THROW(console.RunFrame(), EditorError) << "no game";
    EXPECT_EQ(console.SystemRam().size(), 0);

    console.LoadRom(PadSprite(), "again.nes");
    EXPECT_NE(console.ProcessId(), first);
    EXPECT_NE(MessageOfTheFault(console).find("while running again.nes;"), std::string::npos);
  }
};

TEST_F(ConsoleProcessTest, ACoreThatCrashesEndsTheGameWithAMessage) {
  ExpectTheGameEndsAndTheNextOnePlays(QUELBROOK_CRASHING_CORE, play::ConsoleProcess::kDefaultAnswerDeadline,
                                      "The NES core stopped while running pad_sprite.nes; the game has "
                                      "ended. Your edits and the ROM are safe");
}

TEST_F(ConsoleProcessTest, ACoreThatHangsIsKilledAfterTheDeadline) {
  const auto start = std::chrono::steady_clock::now();
  ExpectTheGameEndsAndTheNextOnePlays(QUELBROOK_HANGING_CORE, 300ms,
                                      "The NES core stopped answering while running pad_sprite.nes; the game "
                                      "has ended. Your edits and the ROM are safe");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s) << "two deadlines, not more";
}

TEST_F(ConsoleProcessTest, ProgramsAndCoresThatCannotStartAreNamed) {
  try {
    play::ConsoleProcess(play::ChooseNesCore({}), PlayFolder(),
                         QString::fromStdString((dir / "none").string()));
    FAIL() << "no program";
  } catch (const EditorError& error) {
    const std::string start = "The NES core's program " + (dir / "none").string() + " could not be started: ";
    EXPECT_EQ(std::string(error.what()).rfind(start, 0), 0u) << error.what();
  }
  WriteFile(dir / "fake_libretro.so", std::vector<std::uint8_t>(64, 0));
  const QString fake = QString::fromStdString((dir / "fake_libretro.so").string());
  std::string inProcess;
  try {
    play::Host(fake, PlayFolder());
  } catch (const EditorError& error) {
    inProcess = error.what();
  }
  try {
    play::ConsoleProcess console(fake, PlayFolder());
    FAIL() << "no core";
  } catch (const EditorError& error) {
    EXPECT_EQ(error.what(), inProcess) << "the program's own reason";
  }
}

TEST_F(ConsoleProcessTest, TwoConsolesPlayAtOnce) {
  StartHost().LoadRom(PadSprite(), "one");
  play::ConsoleProcess other(play::ChooseNesCore({}), PlayFolder());
  other.LoadRom(PadSprite(), "two");
  play::PadState right;
  right.Set(play::PadButton::kRight, true);
  other.SetPad(right);
  for (int frame = 0; frame < 20; ++frame) {
    host->RunFrame();
    other.RunFrame();
  }
  EXPECT_EQ(host->Frame(), PadSpritePicture(kSpriteStart));
  EXPECT_NE(other.Frame(), PadSpritePicture(kSpriteStart)) << "each has its own pad";
}

TEST_F(ConsoleProcessTest, AProgramGrownByManyGamesIsStartedAfresh) {
  play::ConsoleProcess console(play::ChooseNesCore({}), PlayFolder());
  const QByteArray rom = PadSprite();
  console.LoadRom(rom, "first");
  const qint64 first = console.ProcessId();
  const std::int64_t firstSize = *play::ResidentBytes(first);
  std::int64_t largest = 0;
  for (int game = 0; game < 60; ++game) {
    console.LoadRom(rom, "again");
    largest = std::max(largest, *play::ResidentBytes(console.ProcessId()));
  }
  EXPECT_NE(console.ProcessId(), first);
#ifdef __SANITIZE_ADDRESS__
  const std::int64_t bound = 3 * firstSize;  // freed memory waits in quarantine: each game grows more
#else
  const std::int64_t bound = 3 * firstSize / 2;
#endif
  EXPECT_LT(largest, bound) << "restarted well before that";
  console.RunFrame();
  EXPECT_EQ(console.FramesRun(), 1) << "the fresh program plays";
}

}  // namespace
}  // namespace quelbrook::testing
