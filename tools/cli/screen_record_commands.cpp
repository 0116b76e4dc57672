// copy-screen and swap-screens: whole records moved within one ROM, read in one opening
// and written in one, touching only the records that change.
#include <ostream>

#include "arguments.h"
#include "byte_map.h"
#include "command.h"
#include "opened_rom.h"
#include "recorded_rom_writes.h"
#include "screen_decoding.h"
#include "screen_reading.h"

namespace quelbrook::cli {

namespace {
BytePatch RecordPatch(int screen, const RecordBytes& bytes) {
  return {ScreenRecordOffset(screen), {bytes.begin(), bytes.end()}};
}

// The call's ROM and two screens, with both records read in one opening of the image.
struct TwoScreens {
  std::string rom;
  int first = 0;
  int second = 0;
  RecordBytes firstRecord{};
  RecordBytes secondRecord{};
};

TwoScreens ReadTwoScreens(const std::vector<std::string>& args) {
  RequireArgumentCount(args, 3);
  TwoScreens call{args[0], ScreenArgument(args[1]), ScreenArgument(args[2]), {}, {}};
  RequireGameImage(call.rom);
  RomImage rom(call.rom);
  OpenedRom opened(rom);
  call.firstRecord = ReadRecordBytes(rom, call.first);
  call.secondRecord = ReadRecordBytes(rom, call.second);
  opened.Close();
  return call;
}

int CopyScreen(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const TwoScreens call = ReadTwoScreens(args);
  if (call.firstRecord != call.secondRecord)
    WriteRomRecorded(call.rom, {RecordPatch(call.second, call.firstRecord)}, CallWords("copy-screen", args),
                     err);
  return kExitOk;
}

int SwapScreens(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const TwoScreens call = ReadTwoScreens(args);
  if (call.firstRecord != call.secondRecord)
    WriteRomRecorded(call.rom,
                     {RecordPatch(call.first, call.secondRecord), RecordPatch(call.second, call.firstRecord)},
                     CallWords("swap-screens", args), err);
  return kExitOk;
}
}  // namespace

extern const Command kCopyScreenCommand{"copy-screen", "ROM FROM TO",
                                        "copy screen FROM's whole record over screen TO's", CopyScreen};
extern const Command kSwapScreensCommand{"swap-screens", "ROM A B",
                                         "exchange the whole records of screens A and B", SwapScreens};

}  // namespace quelbrook::cli
