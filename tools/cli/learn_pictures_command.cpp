// learn-pictures: runs every screen of a ROM through the NES core and writes the pictures its
// codes show into a folder the editor reads.
#include <QPoint>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "picture_learning.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr int kMostLearningFrames = 10'000;
constexpr int kMostOffset = 4096;

QPoint OriginArgument(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) throw UsageError("the origin is X,Y, e.g. 0,16");
  return QPoint(DecimalArgument(text.substr(0, comma), 0, kMostOffset, "origin X"),
                DecimalArgument(text.substr(comma + 1), 0, kMostOffset, "origin Y"));
}

int LearnPictures(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  learn::LearnOptions options;
  QString core;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(word + " needs a value");
      return args[++i];
    };
    if (word == "--input")
      options.capture.input = InputArgument(value());
    else if (word == "--frames")
      options.capture.frames = DecimalArgument(value(), 1, kMostLearningFrames, "frame count");
    else if (word == "--origin")
      options.origin = OriginArgument(value());
    else if (word == "--core")
      core = QString::fromStdString(value());
    else if (word.size() > 2 && word.compare(0, 2, "--") == 0)
      throw UsageError("unknown option " + word);
    else
      positional.push_back(word);
  }
  RequireArgumentCount(positional, 2);
  play::ConsoleProcess console(play::ChooseNesCore(core));
  const auto report = learn::LearnPictures(console, QString::fromStdString(positional[0]),
                                           QString::fromStdString(positional[1]), options);
  out << report->text;
  return kExitOk;
}
}  // namespace

extern const Command kLearnPicturesCommand{
    "learn-pictures", "ROM DIR [--input SCRIPT] [--frames K] [--origin X,Y] [--core PATH]",
    "checks that the ROM's game draws its screens from the records, runs every screen of the ROM (from "
    "copies, without and with its objects) through the NES core for K frames (12) and writes the pictures "
    "its codes show to DIR/graph, DIR/items, DIR/enemyes with the report DIR/learned.txt, leaving DIR's "
    "other files alone; the play field's place in the frame is found unless --origin gives it",
    LearnPictures};

}  // namespace quelbrook::cli
