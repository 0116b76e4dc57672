// render and render-world: pictures of one screen or of the whole world, written as PNG.
#include <QImage>
#include <QString>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "console_pictures.h"
#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "picture_call.h"
#include "picture_folder.h"
#include "png_file.h"
#include "rom_image.h"
#include "screen_reading.h"
#include "screen_rendering.h"
#include "usage_error.h"
#include "world_geometry.h"
#include "world_overlays.h"
#include "world_rendering.h"

namespace quelbrook::cli {

namespace {
double ScaleArgument(const std::optional<std::string>& text) {
  if (!text) return 1.0;
  char* end = nullptr;
  const double scale = std::strtod(text->c_str(), &end);
  if (text->empty() || *end != '\0' || !(scale >= kMinWorldScale && scale <= kMaxWorldScale))
    throw UsageError("scale '" + *text + "' is not a number from " +
                     QString::number(kMinWorldScale).toStdString() + " to " +
                     QString::number(kMaxWorldScale).toStdString());
  return scale;
}

// A console of its own for the call, after the ROM is known to be this game's and to draw its
// screens from the records.
class GameCapture {
 public:
  GameCapture(const PictureCall& call, const std::string& romPath)
      : rom_(QString::fromStdString(romPath)),
        console_(play::ChooseNesCore(call.capture.core)),
        pictures_(console_, call.capture.settings) {
    pictures_.RequireDrawnFromRecords(rom_);
  }
  QImage Screen(int screen) { return pictures_.Screen(rom_, screen); }
  std::vector<QImage> World() { return pictures_.World(rom_); }

 private:
  QString rom_;
  play::ConsoleProcess console_;
  learn::ConsolePictures pictures_;
};

MissingPictures MissingPicturesOf(const PictureCall& call) {
  return call.strict ? MissingPictures::kRefuse : MissingPictures::kPlaceholder;
}

// Names the codes drawn as placeholders; the picture is still written and the exit status is 0.
void ReportPlaceholders(const PictureFolder& pictures, std::ostream& err) {
  if (pictures.missingPictures().empty()) return;
  err << "No picture, drawn as a placeholder: " << MissingPicturesText(pictures.missingPictures()) << '\n';
}

int Render(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const PictureCall call = ParseCall(args, false);
  RequireArgumentCount(call.positional, 3);
  const int screen = ScreenArgument(call.positional[1]);
  const std::string& rom = call.positional[0];
  RequireOtherThanRom(call.positional[2], rom);
  if (call.console) {
    RequireGameImage(rom);
    PngFile file(call.positional[2]);
    file.Write(GameCapture(call, rom).Screen(screen));
    return kExitOk;
  }
  PictureFolder pictures(PictureDirectory(call), MissingPicturesOf(call));
  const ScreenData data = ReadScreen(rom, screen);
  PngFile file(call.positional[2]);
  file.Write(RenderScreen(data, pictures));
  ReportPlaceholders(pictures, err);
  return kExitOk;
}

int RenderWorldCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const PictureCall call = ParseCall(args, true);
  RequireArgumentCount(call.positional, 2);
  const double scale = ScaleArgument(call.scale);
  const std::string& romPath = call.positional[0];
  RequireOtherThanRom(call.positional[1], romPath);
  std::optional<PictureFolder> pictures;
  if (!call.console) pictures.emplace(PictureDirectory(call), MissingPicturesOf(call));
  RequireGameImage(romPath);
  RomImage rom(romPath);
  const WorldData world = ReadWorld(rom);
  PngFile file(call.positional[1]);
  QImage picture = call.console ? ArrangeWorld(GameCapture(call, romPath).World(), scale)
                                : RenderWorld(world, *pictures, scale);
  if (call.overlays) DrawWorldOverlays(picture, MarksOf(world));
  file.Write(picture);
  if (pictures) ReportPlaceholders(*pictures, err);
  return kExitOk;
}
}  // namespace

extern const Command kRenderCommand{
    "render",
    "ROM N FILE.png [--pictures DIR] [--strict] | ROM N FILE.png --console [--input SCRIPT] [--frames K] "
    "[--origin X,Y] [--core PATH]",
    "screen N as a 256 x 192 PNG picture; a code without a picture is a magenta square with its code "
    "(--strict: refuse); --console: the play field as the game draws it on the NES core, from a copy that "
    "starts on screen N, run as learn-pictures runs it",
    Render};
extern const Command kRenderWorldCommand{
    "render-world",
    "ROM FILE.png [--scale S] [--overlays] [--pictures DIR] [--strict] [--console [--input SCRIPT] "
    "[--frames K] [--origin X,Y] [--core PATH]]",
    "the 16 x 8 screens as one PNG picture (4096 x 1536 at scale 1); --overlays: numbers, start, end; "
    "placeholders and --console as for render",
    RenderWorldCommand};

}  // namespace quelbrook::cli
