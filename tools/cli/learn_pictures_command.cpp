// learn-pictures: runs every screen of a ROM through the NES core and writes the pictures its
// codes show into a folder the editor reads.
#include <ostream>

#include "capture_arguments.h"
#include "command.h"
#include "console_process.h"
#include "core_search.h"
#include "picture_learning.h"

namespace quelbrook::cli {

namespace {
int LearnPictures(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  CaptureCall call;
  const std::vector<std::string> positional =
      WordsBesideOptions(args, [&](const std::string& name, const OptionValue& value) {
        return TakeCaptureOption(name, value, call);
      });
  RequireArgumentCount(positional, 2);
  play::ConsoleProcess console(play::ChooseNesCore(call.core));
  const auto report =
      learn::LearnPictures(console, QString::fromStdString(positional[0]),
                           QString::fromStdString(positional[1]), learn::LearnOptionsOf(call.settings, {}));
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
