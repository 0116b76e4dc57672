// copy-screen and swap-screens: whole records moved within one ROM, read in one opening
// and written in one, touching only the records that change.
#include <ostream>

#include "arguments.h"
#include "byte_map.h"
#include "command.h"
#include "opened_rom.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "screen_reading.h"

namespace quelbrook::cli {

namespace {
BytePatch RecordPatch(int screen, const RecordBytes& bytes) {
  return {ScreenRecordOffset(screen), {bytes.begin(), bytes.end()}};
}

struct TwoRecords {
  RecordBytes first{};
  RecordBytes second{};
};

TwoRecords ReadTwo(RomImage& rom, int first, int second) {
  OpenedRom opened(rom);
  TwoRecords records{ReadRecordBytes(rom, first), ReadRecordBytes(rom, second)};
  opened.Close();
  return records;
}

int CopyScreen(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  RequireArgumentCount(args, 3);
  const int from = ScreenArgument(args[1]);
  const int to = ScreenArgument(args[2]);
  RequireGameImage(args[0]);
  RomImage rom(args[0]);
  const TwoRecords records = ReadTwo(rom, from, to);
  if (records.first != records.second) WritePatchesToFile(args[0], {RecordPatch(to, records.first)});
  return kExitOk;
}

int SwapScreens(const std::vector<std::string>& args, std::ostream&, std::ostream&) {
  RequireArgumentCount(args, 3);
  const int first = ScreenArgument(args[1]);
  const int second = ScreenArgument(args[2]);
  RequireGameImage(args[0]);
  RomImage rom(args[0]);
  const TwoRecords records = ReadTwo(rom, first, second);
  if (records.first != records.second)
    WritePatchesToFile(args[0], {RecordPatch(first, records.second), RecordPatch(second, records.first)});
  return kExitOk;
}
}  // namespace

extern const Command kCopyScreenCommand{"copy-screen", "ROM FROM TO",
                                        "copy screen FROM's whole record over screen TO's", CopyScreen};
extern const Command kSwapScreensCommand{"swap-screens", "ROM A B", "exchange the whole records of screens A and B",
                                         SwapScreens};

}  // namespace quelbrook::cli
