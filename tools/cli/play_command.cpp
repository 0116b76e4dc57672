// play: runs a ROM headless through the NES core, with pad presses from a script, and writes
// the frames it draws as PNG pictures.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "input_script.h"
#include "play_inputs.h"
#include "png_file.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr int kDefaultFrames = 60;
constexpr int kMostPlayFrames = 10'000'000;

struct PlayCall {
  std::string rom;
  std::optional<int> screen;
  int frames = kDefaultFrames;
  play::InputScript input;
  std::optional<std::string> png;
  int every = 0;  // 0: no frames but the last
  std::string everyFolder;
  QString core;
};

// Options may stand before or after the ROM; each takes the words after it.
PlayCall ParsePlayCall(const std::vector<std::string>& args) {
  PlayCall call;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    auto value = [&](int count = 1) -> const std::string& {
      if (i + count >= args.size())
        throw UsageError(word + " needs " + (count == 1 ? "a value" : "two values"));
      return args[++i];
    };
    if (word == "--screen") {
      call.screen = ScreenArgument(value());
    } else if (word == "--frames") {
      call.frames = DecimalArgument(value(), 1, kMostPlayFrames, "frame count");
    } else if (word == "--input") {
      call.input = ScriptArgument(value());
    } else if (word == "--png") {
      call.png = value();
    } else if (word == "--every") {
      call.every = DecimalArgument(value(2), 1, kMostPlayFrames, "frame step");
      call.everyFolder = value();
    } else if (word == "--core") {
      call.core = QString::fromStdString(value());
    } else if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      throw UsageError("unknown option " + word);
    } else {
      positional.push_back(word);
    }
  }
  RequireArgumentCount(positional, 1);
  // Frames are play's only result: a run that keeps none would be time spent for nothing.
  if (!call.png && !call.every) throw UsageError("nothing to write: give --png FILE, --every M DIR or both");
  call.rom = positional.front();
  return call;
}

void WritePng(const QImage& picture, const QString& path) {
  RequireFrame(picture);
  if (!picture.save(path, "PNG")) throw EditorError("Cannot write file " + path.toStdString());
}

// The folder of --every, made (when missing) before the first frame is run.
QDir FrameFolder(const std::string& path) {
  const QString folder = QString::fromStdString(path);
  if (QFileInfo(folder).isFile()) throw EditorError("The folder " + path + " is a file");
  if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
    throw EditorError("The folder " + path + " could not be made");
  return QDir(folder);
}

int Play(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  const PlayCall call = ParsePlayCall(args);
  // Everything a slip can break is checked before the core loads: the ROM, then where the
  // frames go.
  const QByteArray rom = RomToPlay(call.rom, call.screen);
  std::optional<PngFile> lastFrame;
  if (call.png) lastFrame.emplace(*call.png);
  const QDir everyFolder = call.every ? FrameFolder(call.everyFolder) : QDir();
  play::ConsoleProcess console(play::ChooseNesCore(call.core));
  console.LoadRom(rom, QString::fromStdString(call.rom));
  for (int frame = 0; frame < call.frames; ++frame) {
    console.SetPad(call.input.PadAt(frame));
    console.RunFrame();
    if (call.every && frame % call.every == 0)
      WritePng(console.Frame(), everyFolder.filePath(QString("frame-%1.png").arg(frame, 6, 10, QChar('0'))));
  }
  if (lastFrame) lastFrame->Write(console.Frame());
  return kExitOk;
}
}  // namespace

extern const Command kPlayCommand{
    "play", "ROM [--screen N] [--frames K] [--input SCRIPT] [--png FILE] [--every M DIR] [--core PATH]",
    "runs the ROM for K frames (60) through the NES core, from a copy that starts on screen N if given, "
    "pressing the pad as SCRIPT says (e.g. right:60-119,a:130); --png: the last frame, --every: frame 0, M, "
    "2M... as DIR/frame-NNNNNN.png (one of the two at least)",
    Play};

}  // namespace quelbrook::cli
