// render and render-world: pictures of one screen or of the whole world, written as PNG.
#include <QImage>
#include <QString>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "editor_error.h"
#include "picture_call.h"
#include "picture_folder.h"
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

void WritePng(const QImage& picture, const std::string& path) {
  if (!picture.save(QString::fromStdString(path), "PNG")) throw EditorError("Cannot write file " + path);
}

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
  PictureFolder pictures(PictureDirectory(call), MissingPicturesOf(call));
  WritePng(RenderScreen(ReadScreen(call.positional[0], screen), pictures), call.positional[2]);
  ReportPlaceholders(pictures, err);
  return kExitOk;
}

int RenderWorldCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const PictureCall call = ParseCall(args, true);
  RequireArgumentCount(call.positional, 2);
  const double scale = ScaleArgument(call.scale);
  PictureFolder pictures(PictureDirectory(call), MissingPicturesOf(call));
  RequireGameImage(call.positional[0]);
  RomImage rom(call.positional[0]);
  const WorldData world = ReadWorld(rom);
  QImage picture = RenderWorld(world, pictures, scale);
  if (call.overlays) DrawWorldOverlays(picture, MarksOf(world));
  WritePng(picture, call.positional[1]);
  ReportPlaceholders(pictures, err);
  return kExitOk;
}
}  // namespace

extern const Command kRenderCommand{
    "render", "ROM N FILE.png [--pictures DIR] [--strict]",
    "screen N as a 256 x 192 PNG picture; a code without a picture is a magenta square with its code "
    "(--strict: refuse)",
    Render};
extern const Command kRenderWorldCommand{
    "render-world", "ROM FILE.png [--scale S] [--overlays] [--pictures DIR] [--strict]",
    "the 16 x 8 screens as one PNG picture (4096 x 1536 at scale 1); --overlays: numbers, start, end; "
    "placeholders as for render",
    RenderWorldCommand};

}  // namespace quelbrook::cli
