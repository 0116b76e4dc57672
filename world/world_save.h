#pragma once
// Writing the world editor's changes into the ROM, all or nothing: the records to be
// replaced are read again first, and if any no longer holds what the editor read,
// nothing is written.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "byte_map.h"
#include "recorded_write.h"
#include "rom_image.h"
#include "screen_data.h"

namespace quelbrook {

struct RecordWrite {
  int screen = 0;
  RecordBytes expected{};  // what the file held when it was read
  RecordBytes bytes{};
};

struct ByteWrite {
  std::uint8_t expected = 0;
  std::uint8_t byte = 0;
};

struct WorldSavePlan {
  std::vector<RecordWrite> records;
  std::optional<ByteWrite> startScreenByte;
};

struct SaveOutcome {
  std::vector<int> conflictingScreens;  // changed on disk since they were read
  bool startScreenConflict = false;
  bool written = false;
  std::string historyNote;  // why the restore point was not kept, or empty
};

using WorldRecords = std::array<RecordBytes, kScreenCount>;
// The 128 records of an open image, read as one run; screen n at index n - 1.
WorldRecords ReadAllRecords(RomImage& rom);

// Opens the ROM, checks, runs beforeWrite, writes and closes it; throws EditorError.
// The write is kept as a restore point in history.
SaveOutcome SaveWorldPlan(history::KeptHistory& history, const WorldSavePlan& plan,
                          const std::function<void()>& beforeWrite);
// The restore point's words: "World editor: save screens 3, 40 and the start screen".
std::string WorldSaveWords(const WorldSavePlan& plan);

}  // namespace quelbrook
