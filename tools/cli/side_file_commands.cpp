// export-map, import-map, export-tpie and import-tpie: the window's side files.
#include <ostream>

#include "arguments.h"
#include "atomic_file.h"
#include "command.h"
#include "recorded_rom_writes.h"
#include "screen_reading.h"
#include "screen_side_files.h"

namespace quelbrook::cli {

namespace {

struct SideFileCall {
  std::string rom;
  int screen;
  std::string file;
};

SideFileCall ReadCall(const std::vector<std::string>& args) {
  RequireArgumentCount(args, 3);
  return {args[0], ScreenArgument(args[1]), args[2]};
}

int ExportMap(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  const auto call = ReadCall(args);
  WriteFileAtomically(call.file, WriteMapFile(ScreenValueOf(ReadScreen(call.rom, call.screen)).tileCodes));
  return kExitOk;
}

int ImportMap(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const auto call = ReadCall(args);
  RequireGameImage(call.rom);
  const auto codes = Accepted(ReadMapFile(ReadSideFile(call.file, kSideFileLimit)));
  WriteRomRecorded(call.rom, {TilePatch(call.screen, codes)}, CallWords("import-map", args), err);
  return kExitOk;
}

int ExportTpie(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  const auto call = ReadCall(args);
  WriteFileAtomically(call.file, WriteTpieFile(TpieFileOf(ScreenValueOf(ReadScreen(call.rom, call.screen)))));
  return kExitOk;
}

int ImportTpie(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const auto call = ReadCall(args);
  RequireGameImage(call.rom);
  const auto values = Accepted(ReadTpieFile(ReadSideFile(call.file, kSideFileLimit)));
  WriteRomRecorded(call.rom, {TpiePatch(call.screen, values)}, CallWords("import-tpie", args), err);
  return kExitOk;
}
}  // namespace

extern const Command kExportMapCommand{"export-map", "ROM N FILE",
                                       "write screen N's 48 tile codes to a .map file, as the window does",
                                       ExportMap};
extern const Command kImportMapCommand{
    "import-map", "ROM N FILE", "write the tile codes of a .map file into screen N (its 48 tile bytes only)",
    ImportMap};
extern const Command kExportTpieCommand{
    "export-tpie", "ROM N FILE",
    "write screen N's message, palettes, item and enemies to a .tpie file, as the window does", ExportTpie};
extern const Command kImportTpieCommand{
    "import-tpie", "ROM N FILE",
    "write the values of a .tpie file into screen N (its 28 bytes after the tiles only)", ImportTpie};

}  // namespace quelbrook::cli
