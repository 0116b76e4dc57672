// export-tmx and import-tmx: the whole world as a Tiled map and back.
#include <ostream>

#include "arguments.h"
#include "command.h"
#include "picture_call.h"
#include "picture_folder.h"
#include "recorded_rom_writes.h"
#include "rom_image.h"
#include "screen_reading.h"
#include "usage_error.h"
#include "world_export.h"
#include "world_import.h"

namespace quelbrook::cli {

namespace {
int ExportTmx(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  const PictureCall call = ParseCall(args, false);
  RequireArgumentCount(call.positional, 2);
  if (call.strict)
    throw UsageError(
        "--strict does not apply: the atlases hold every code, those without a picture as placeholders");
  PictureFolder pictures(PictureDirectory(call), MissingPictures::kPlaceholder);
  RequireGameImage(call.positional[0]);
  RomImage rom(call.positional[0]);
  ExportWorldMap(ReadWorld(rom), pictures, call.positional[1]);
  return kExitOk;
}

int ImportTmx(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RequireArgumentCount(args, 2);
  RequireGameImage(args[0]);
  const WorldImportPlan plan = PlanWorldMapImport(args[0], args[1]);
  if (!plan.patches.empty()) WriteRomRecorded(args[0], plan.patches, CallWords("import-tmx", args), err);
  for (const QString& line : DescribeWorldImport(plan)) out << line.toStdString() << '\n';
  return kExitOk;
}
}  // namespace

extern const Command kExportTmxCommand{
    "export-tmx", "ROM WORLD.tmx [--pictures DIR]",
    "the whole world as a Tiled map, with its tilesets WORLD-tiles.tsx and WORLD-objects.tsx beside it",
    ExportTmx};
extern const Command kImportTmxCommand{
    "import-tmx", "ROM WORLD.tmx|WORLD.tmj",
    "write back what a Tiled map changed; the whole map is checked first, and a bad one changes nothing",
    ImportTmx};

}  // namespace quelbrook::cli
