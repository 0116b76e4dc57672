#include "world_save.h"

#include <algorithm>

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
  // Every region was just read, so no write can fall outside the file. Records of
  // consecutive screens lie side by side and go out in one write.
  std::vector<RecordWrite> records = plan.records;
  std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.screen < b.screen; });
  for (std::size_t first = 0; first < records.size();) {
    std::vector<std::uint8_t> run;
    std::size_t next = first;
    do {
      run.insert(run.end(), records[next].bytes.begin(), records[next].bytes.end());
      ++next;
    } while (next < records.size() && records[next].screen == records[next - 1].screen + 1);
    rom.WriteBytes(ScreenRecordOffset(records[first].screen), run);
    first = next;
  }
  if (plan.startScreenByte) rom.WriteBytes(kStartScreenOffset, {plan.startScreenByte->byte});
  opened.Close();
  outcome.written = true;
  return outcome;
}

}  // namespace quelbrook
