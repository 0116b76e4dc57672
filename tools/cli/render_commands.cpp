// render and render-world: pictures of one screen or of the whole world, written as PNG.
#include <QImage>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "data_folder.h"
#include "editor_error.h"
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
struct PictureCall {
  std::vector<std::string> positional;
  std::optional<std::string> pictures;
  std::optional<std::string> scale;
  bool overlays = false;
  bool strict = false;  // refuse a code without a picture instead of drawing a placeholder
};

// Options may stand anywhere among the positional words; each takes the word after it.
PictureCall ParseCall(const std::vector<std::string>& args, bool worldOptions) {
  PictureCall call;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool takesValue = word == "--pictures" || (worldOptions && word == "--scale");
    if (takesValue) {
      if (i + 1 == args.size()) throw UsageError(word + " needs a value");
      (word == "--pictures" ? call.pictures : call.scale) = args[++i];
    } else if (worldOptions && word == "--overlays") {
      call.overlays = true;
    } else if (word == "--strict") {
      call.strict = true;
    } else if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      throw UsageError("unknown option " + word);
    } else {
      call.positional.push_back(word);
    }
  }
  return call;
}

// The folder of graph/, items/ and enemyes/ unless told: the installed data folder, or
// else the one the program lies in (the build's app/ folder).
QString PictureDirectory(const PictureCall& call) {
  if (call.pictures) return QString::fromStdString(*call.pictures);
  const std::filesystem::path program = ProgramFolder();
  if (program.empty())
    throw EditorError("The program's folder is unknown: give the pictures with --pictures DIR");
  return QString::fromStdString(InstalledDataFolder(program).value_or(program).string());
}

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
