// route: plays a pad script headless and prints each screen the game enters, so that a
// hack's checks can tell that a way through the world still leads where it should.
#include <QString>
#include <algorithm>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "play_inputs.h"
#include "screen_watch.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr int kMostRouteFrames = 10'000'000;
// Without --frames the route runs on this long after its last press: time for the last
// screen to be entered.
constexpr int kFramesAfterLastPress = 120;

struct RouteCall {
  std::string rom;
  play::InputScript input;
  std::optional<int> screen;
  std::optional<int> expect;
  std::optional<int> frames;
  QString core;
};

RouteCall ParseRouteCall(const std::vector<std::string>& args) {
  RouteCall call;
  const auto positional =
      WordsBesideOptions(args, [&call](const std::string& option, const OptionValue& value) {
        if (option == "--screen")
          call.screen = ScreenArgument(value());
        else if (option == "--expect")
          call.expect = ScreenArgument(value());
        else if (option == "--frames")
          call.frames = DecimalArgument(value(), 1, kMostRouteFrames, "frame count");
        else if (option == "--core")
          call.core = QString::fromStdString(value());
        else
          return false;
        return true;
      });
  RequireArgumentCount(positional, 2);
  call.rom = positional[0];
  call.input = ScriptArgument(positional[1]);
  return call;
}

long FramesToRun(const RouteCall& call) {
  if (call.frames) return *call.frames;
  long last = -1;
  for (const play::PadPress& press : call.input.Presses()) last = std::max(last, press.last);
  return last + 1 + kFramesAfterLastPress;
}

int Route(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  const RouteCall call = ParseRouteCall(args);
  const QByteArray rom = RomToPlay(call.rom, call.screen);
  play::ConsoleProcess console(play::ChooseNesCore(call.core));
  console.LoadRom(rom, QString::fromStdString(call.rom));
  play::ScreenWatch watch(play::GameStartScreen(rom));
  std::optional<play::ScreenEntry> last;
  bool expectedEntered = false;
  for (long frame = 0, frames = FramesToRun(call); frame < frames; ++frame) {
    console.SetPad(call.input.PadAt(frame));
    console.RunFrame();
    if (const auto entry = watch.Observe(console)) {
      out << "screen " << entry->screen << " at frame " << entry->frame << '\n';
      expectedEntered = expectedEntered || entry->screen == call.expect;
      last = entry;
    }
  }
  if (!call.expect || expectedEntered) return kExitOk;
  throw EditorError("screen " + std::to_string(*call.expect) + " was never entered; " +
                    (last ? "the last screen reached is " + std::to_string(last->screen) + ", at frame " +
                                std::to_string(last->frame)
                          : std::string("the game entered no screen")));
}
}  // namespace

extern const Command kRouteCommand{
    "route", "ROM SCRIPT [--screen N] [--expect M] [--frames K] [--core PATH]",
    "plays the ROM through the NES core, from a copy that starts on screen N if given, pressing the pad as "
    "SCRIPT says (inline as for play --input, or a file of such entries), and prints each screen the game "
    "enters and the frame it entered it; runs K frames (the last press + 120); --expect: exit 1 unless "
    "screen M is entered",
    Route};

}  // namespace quelbrook::cli
