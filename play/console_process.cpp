#include "console_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include "editor_error.h"
#include "process_memory.h"

namespace quelbrook::play {

namespace {
using namespace protocol;

constexpr char kProgramName[] = "quelbrook-console";
// Each game the core loads keeps about 1.4 MB; past this share (in per cent) of the program's
// size after its first game, the next load starts a fresh program. It bounds learning's peak
// memory, some 250 games, against the ~100 ms a fresh program costs.
constexpr std::int64_t kGrowthBeforeRestartPercent = 140;
}  // namespace

QString ConsoleProgramPath() {
  if (const QString set = qEnvironmentVariable("QUELBROOK_CONSOLE"); !set.isEmpty()) return set;
  // The tool has no application object to ask.
  const QString programFolder = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).absolutePath();
  const QString besideProgram = programFolder + "/" + kProgramName;
  if (QFileInfo::exists(besideProgram)) return besideProgram;
  return programFolder + "/" QUELBROOK_PRIVATE_LIBDIR_FROM_BIN "/" + kProgramName;
}

ConsoleProcess::ConsoleProcess(const QString& corePath, const QString& playFolder, const QString& program,
                               std::chrono::milliseconds answerDeadline)
    : corePath_(corePath),
      playFolder_(playFolder),
      program_(program),
      answerDeadline_(answerDeadline),
      audio_(kConsoleAudioFrames) {
  Start();
}

ConsoleProcess::~ConsoleProcess() { Stop(); }

qint64 ConsoleProcess::ProcessId() const { return process_ ? process_->processId() : 0; }

void ConsoleProcess::Start() {
  received_.clear();
  process_ = std::make_unique<QProcess>();
  // The core's complaints go where the editor's go; unread, they would pile up here.
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_->start(program_, {corePath_, playFolder_});
  if (!process_->waitForStarted(int(answerDeadline_.count()))) {
    const std::string reason = process_->errorString().toStdString();
    process_.reset();
    throw EditorError("The NES core's program " + program_.toStdString() +
                      " could not be started: " + reason);
  }
  try {
    BodyReader greeting(AwaitAnswer());
    facts_ = ReadCoreFacts(greeting);
  } catch (...) {
    Stop();  // a program that could not load the core ends at once
    throw;
  }
}

void ConsoleProcess::Stop() const {
  if (!process_) return;
  // Asked to end by the end of its input; a program that does not is killed.
  process_->closeWriteChannel();
  if (!process_->waitForFinished(int(answerDeadline_.count()))) {
    process_->kill();
    process_->waitForFinished();
  }
  process_.reset();
  loaded_ = false;
}

bool ConsoleProcess::HasGrown() const {
  const auto now = ResidentBytes(ProcessId());
  return firstLoadResidentBytes_ > 0 && now &&
         *now * 100 > kGrowthBeforeRestartPercent * firstLoadResidentBytes_;
}

QByteArray ConsoleProcess::AwaitAnswer() const {
  const QDeadlineTimer deadline(answerDeadline_);
  while (true) {
    // In the editor, an event loop run between requests may already have read some of it.
    received_ += process_->readAllStandardOutput();
    if (const auto message = TakeMessage(received_)) return FieldsOfDone(*message);
    if (!process_->waitForReadyRead(int(deadline.remainingTime())))
      EndGame(process_->state() == QProcess::Running);
  }
}

QByteArray ConsoleProcess::Ask(const BodyWriter& request) const {
  process_->write(Framed(request.Body()));
  return AwaitAnswer();
}

void ConsoleProcess::EndGame(bool hung) const {
  process_->kill();
  Stop();
  const std::string how = hung ? "stopped answering" : "stopped";
  const std::string what = romName_.isEmpty() ? std::string() : " while running " + romName_.toStdString();
  throw EditorError("The NES core " + how + what + "; the game has ended. Your edits and the ROM are safe");
}

void ConsoleProcess::Take(const ConsoleState& state) {
  framesRun_ = state.framesRun;
  systemRam_ = state.systemRam;
  audio_.Push(state.audio.data(), state.audio.size() / 2);
  frameIsOld_ = true;
}

void ConsoleProcess::LoadRom(const QByteArray& bytes, const QString& name) {
  RequireRomBytes(bytes, name);
  // A program that ended while it had no game is no fault of this game.
  if (process_ && (process_->state() != QProcess::Running || HasGrown())) Stop();
  if (!process_) {
    Start();
    firstLoadResidentBytes_ = 0;
  }
  loaded_ = false;  // the program unloads the running game first
  romName_ = name;
  BodyWriter request;
  request << Request::kLoad << bytes << name;
  BodyReader answer(Ask(request));
  facts_ = ReadCoreFacts(answer);
  audio_.Clear();
  frame_ = QImage();
  Take(ReadConsoleState(answer));
  loaded_ = true;
  if (firstLoadResidentBytes_ == 0) firstLoadResidentBytes_ = ResidentBytes(ProcessId()).value_or(0);
}

void ConsoleProcess::UnloadRom() {
  if (!loaded_) return;
  loaded_ = false;
  BodyWriter request;
  request << Request::kUnload;
  try {
    Ask(request);
  } catch (const EditorError&) {
    // A program that failed to unload has ended, and the game with it, as asked.
  }
}

void ConsoleProcess::RunFrame() {
  RequireGame();
  BodyWriter request;
  request << Request::kRun << pad_;
  BodyReader answer(Ask(request));
  Take(ReadConsoleState(answer));
}

void ConsoleProcess::Reset() {
  RequireGame();
  BodyWriter request;
  request << Request::kReset;
  BodyReader answer(Ask(request));
  Take(ReadConsoleState(answer));
}

QByteArray ConsoleProcess::SaveState() const {
  RequireGame();
  BodyWriter request;
  request << Request::kSaveState;
  return BodyReader(Ask(request)).Read<QByteArray>();
}

void ConsoleProcess::LoadState(const QByteArray& state) {
  RequireGame();
  BodyWriter request;
  request << Request::kLoadState << state;
  BodyReader answer(Ask(request));
  Take(ReadConsoleState(answer));
}

QByteArrayView ConsoleProcess::SystemRam() const {
  return loaded_ ? QByteArrayView(systemRam_) : QByteArrayView();
}

const QImage& ConsoleProcess::Frame() const {
  // Fetched when asked for: a caller that runs many frames looks at few of them.
  if (frameIsOld_ && loaded_) {
    BodyWriter request;
    request << Request::kFrame;
    BodyReader answer(Ask(request));
    frame_ = ReadFrame(answer);
    frameIsOld_ = false;
  }
  return frame_;
}

}  // namespace quelbrook::play
