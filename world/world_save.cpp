#include "world_save.h"

#include <algorithm>

#include "byte_map.h"
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

std::string WorldSaveWords(const WorldSavePlan& plan) {
  std::vector<int> screens;
  for (const auto& write : plan.records) screens.push_back(write.screen);
  std::sort(screens.begin(), screens.end());
  std::string words = "World editor: save ";
  if (!screens.empty()) words += screens.size() == 1 ? "screen " : "screens ";
  for (std::size_t i = 0; i < screens.size(); ++i) words += (i ? ", " : "") + std::to_string(screens[i]);
  if (plan.startScreenByte) words += screens.empty() ? "the start screen" : " and the start screen";
  return words;
}

namespace {
std::vector<BytePatch> PatchesOf(const WorldSavePlan& plan) {
  std::vector<BytePatch> patches;
  for (const auto& write : plan.records)
    patches.push_back({ScreenRecordOffset(write.screen), {write.bytes.begin(), write.bytes.end()}});
  if (plan.startScreenByte) patches.push_back({kStartScreenOffset, {plan.startScreenByte->byte}});
  return patches;
}
}  // namespace

SaveOutcome SaveWorldPlan(history::KeptHistory& history, const WorldSavePlan& plan,
                          const std::function<void()>& beforeWrite) {
  SaveOutcome outcome;
  if (plan.records.empty() && !plan.startScreenByte) return outcome;
  history::RecordedWrite recorded(history, WorldSaveWords(plan));
  RomImage rom(history.romPath());
  // Closed by the image itself on an early return; a failed close after the write is told.
  recorded.OpenRom(rom);
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
  if (auto after = recorded.Patched(PatchesOf(plan))) recorded.Begin(std::move(*after));
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
  rom.Close();
  recorded.Confirm();
  outcome.written = true;
  outcome.historyNote = history.NoteOnce(recorded.note());
  return outcome;
}

}  // namespace quelbrook
