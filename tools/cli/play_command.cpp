// play: runs a ROM headless through the NES core, with pad presses from a script, and writes
// the frames it draws as PNG pictures.
#include <QDir>
#include <QFile>
#include <QImage>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "core_search.h"
#include "editor_error.h"
#include "host.h"
#include "input_script.h"
#include "play_inputs.h"
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
  call.rom = positional.front();
  return call;
}

void WritePng(const QImage& picture, const QString& path) {
  if (picture.isNull()) throw EditorError("The core drew no picture");
  if (!picture.save(path, "PNG")) throw EditorError("Cannot write file " + path.toStdString());
}

int Play(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  const PlayCall call = ParsePlayCall(args);
  play::Host host(play::ChooseNesCore(call.core));
  host.LoadRom(RomToPlay(call.rom, call.screen), QString::fromStdString(call.rom));
  const QDir everyFolder(QString::fromStdString(call.everyFolder));
  if (call.every && !everyFolder.mkpath("."))
    throw EditorError("The folder " + call.everyFolder + " could not be made");
  for (int frame = 0; frame < call.frames; ++frame) {
    host.SetPad(call.input.PadAt(frame));
    host.RunFrame();
    if (call.every && frame % call.every == 0)
      WritePng(host.Frame(), everyFolder.filePath(QString("frame-%1.png").arg(frame, 6, 10, QChar('0'))));
  }
  if (call.png) WritePng(host.Frame(), QString::fromStdString(*call.png));
  return kExitOk;
}
}  // namespace

extern const Command kPlayCommand{
    "play", "ROM [--screen N] [--frames K] [--input SCRIPT] [--png FILE] [--every M DIR] [--core PATH]",
    "runs the ROM for K frames (60) through the NES core, from a copy that starts on screen N if given, "
    "pressing the pad as SCRIPT says (e.g. right:60-119,a:130); --png: the last frame, --every: frame 0, M, "
    "2M... as DIR/frame-NNNNNN.png",
    Play};

}  // namespace quelbrook::cli
