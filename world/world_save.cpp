#include "world_save.h"

#include "byte_map.h"
#include "opened_rom.h"
#include "screen_decoding.h"

namespace quelbrook {

WorldRecords ReadAllRecords(RomImage& rom) {
  const auto bytes = rom.ReadBytes(kFirstScreenRecordOffset, std::size_t{kScreenCount} * kScreenRecordLength);
  WorldRecords records{};
  for (std::size_t screen = 0; screen < records.size(); ++screen)
    std::copy_n(bytes.begin() + static_cast<long>(screen * kScreenRecordLength), kScreenRecordLength,
                records[screen].begin());
  return records;
}

SaveOutcome SaveWorldPlan(const std::string& romPath, const WorldSavePlan& plan,
                          const std::function<void()>& beforeWrite) {
  SaveOutcome outcome;
  if (plan.records.empty() && !plan.startScreenByte) return outcome;
  RomImage rom(romPath);
  OpenedRom opened(rom);
  const WorldRecords onDisk = ReadAllRecords(rom);
  for (const auto& write : plan.records)
    if (onDisk[static_cast<std::size_t>(write.screen - 1)] != write.expected)
      outcome.conflictingScreens.push_back(write.screen);
  if (plan.startScreenByte) {
    rom.Seek(kStartScreenOffset);
    outcome.startScreenConflict = rom.ReadByte() != plan.startScreenByte->expected;
  }
  if (!outcome.conflictingScreens.empty() || outcome.startScreenConflict) return outcome;
  if (beforeWrite) beforeWrite();
  // Every region was just read, so no write can fall outside the file.
  for (const auto& write : plan.records)
    rom.WriteBytes(ScreenRecordOffset(write.screen), {write.bytes.begin(), write.bytes.end()});
  if (plan.startScreenByte) rom.WriteBytes(kStartScreenOffset, {plan.startScreenByte->byte});
  opened.Close();
  outcome.written = true;
  return outcome;
}

}  // namespace quelbrook
