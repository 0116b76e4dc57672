#pragma once
// The console in a process of its own: the program `quelbrook-console` runs the core, and this
// side talks to it synchronously over its standard input and output (console_protocol.h), so
// no event loop is needed and the command-line tool can use it as the window does.
//
// A core is foreign code. When the program dies or does not answer within the deadline, it is
// killed and the game ends with a message (EditorError); the next LoadRom starts a fresh one.
// The core keeps memory with every game it loads, so the program is also started afresh
// before a load once it has grown well beyond its size after its first game.

#include <QProcess>
#include <chrono>
#include <memory>

#include "console.h"
#include "console_protocol.h"

namespace quelbrook::play {

// $QUELBROOK_CONSOLE when set (the tests' build), else beside this program (the build folder),
// else in the installed private folder.
QString ConsoleProgramPath();

class ConsoleProcess final : public Console {
 public:
  static constexpr std::chrono::milliseconds kDefaultAnswerDeadline{5000};

  // Starts the program on the core at corePath; throws EditorError when the program cannot
  // start or the core cannot be loaded.
  explicit ConsoleProcess(const QString& corePath, const QString& playFolder = DefaultPlayFolder(),
                          const QString& program = ConsoleProgramPath(),
                          std::chrono::milliseconds answerDeadline = kDefaultAnswerDeadline);
  ~ConsoleProcess() override;
  ConsoleProcess(const ConsoleProcess&) = delete;
  ConsoleProcess& operator=(const ConsoleProcess&) = delete;

  void LoadRom(const QByteArray& bytes, const QString& name) override;
  void UnloadRom() override;
  bool HasRom() const override { return loaded_; }
  bool FramesAreReproducible() const override { return facts_.framesAreReproducible; }
  QString CoreName() const override { return facts_.coreName; }
  void SetPad(const PadState& pad) override { pad_ = pad; }
  void RunFrame() override;
  void Reset() override;
  QByteArray SaveState() const override;
  void LoadState(const QByteArray& state) override;
  QByteArrayView SystemRam() const override;
  const QImage& Frame() const override;
  AudioRing& Audio() override { return audio_; }
  double FramesPerSecond() const override { return facts_.framesPerSecond; }
  double SampleRate() const override { return facts_.sampleRate; }
  std::int64_t FramesRun() const override { return framesRun_; }

  const QString& CorePath() const { return corePath_; }
  // The program's process id; 0 while none runs (after a crash, until the next LoadRom).
  qint64 ProcessId() const;

 private:
  void Start();
  void Stop() const;
  bool HasGrown() const;
  // Sends the request and returns the fields of its answer; throws EditorError with the
  // program's text when it refused, and ends the game when the program died or hung.
  QByteArray Ask(const protocol::BodyWriter& request) const;
  QByteArray AwaitAnswer() const;
  [[noreturn]] void EndGame(bool hung) const;
  void Take(const protocol::ConsoleState& state);

  QString corePath_, playFolder_, program_;
  std::chrono::milliseconds answerDeadline_;
  // Talking to the program changes none of the console's state, so the const requests may.
  mutable std::unique_ptr<QProcess> process_;
  mutable QByteArray received_;
  mutable bool loaded_ = false;
  mutable QImage frame_;
  mutable bool frameIsOld_ = false;
  protocol::CoreFacts facts_;
  std::int64_t firstLoadResidentBytes_ = 0;
  QString romName_;
  PadState pad_;
  QByteArray systemRam_;
  AudioRing audio_;
  std::int64_t framesRun_ = 0;
};

}  // namespace quelbrook::play
