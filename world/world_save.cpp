#include "world_save.h"

#include "byte_map.h"
#include "opened_rom.h"
#include "rom_patch.h"
#include "screen_decoding.h"

namespace quelbrook {

SaveOutcome SaveWorldPlan(const std::string& romPath, const WorldSavePlan& plan,
                          const std::function<void()>& beforeWrite) {
  SaveOutcome outcome;
  if (plan.records.empty() && !plan.startScreenByte) return outcome;
  RomImage rom(romPath);
  std::vector<BytePatch> patches;
  {
    OpenedRom opened(rom);
    for (const auto& write : plan.records) {
      if (ReadRecordBytes(rom, write.screen) != write.expected) outcome.conflictingScreens.push_back(write.screen);
      patches.push_back({ScreenRecordOffset(write.screen), {write.bytes.begin(), write.bytes.end()}});
    }
    if (plan.startScreenByte) {
      rom.Seek(kStartScreenOffset);
      outcome.startScreenConflict = rom.ReadByte() != plan.startScreenByte->expected;
      patches.push_back({kStartScreenOffset, {plan.startScreenByte->byte}});
    }
    opened.Close();
  }
  if (!outcome.conflictingScreens.empty() || outcome.startScreenConflict) return outcome;
  if (beforeWrite) beforeWrite();
  WritePatchesToFile(romPath, patches);
  outcome.written = true;
  return outcome;
}

}  // namespace quelbrook
