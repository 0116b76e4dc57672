#include "point_restore.h"

#include "regular_file.h"
#include "rom_history.h"

namespace quelbrook::history {

RestoreOutcome RestorePoint(KeptHistory& history, int number) {
  RomHistory& points = history.Open();
  const Bytes state = points.StateAfter(number);
  // One byte more than the state tells a longer ROM from an equal one.
  const auto content = ReadRegularFile(history.romPath(), state.size() + 1);
  const Bytes now = content ? Bytes(content->begin(), content->end()) : Bytes();
  if (now == state) return {};
  // Another ROM's history would write that ROM over this one.
  if (content) points.RequireRomOfThisHistory(now);
  return {true, ReplaceRomRecorded(history, state, "Restore to point " + std::to_string(number))};
}

}  // namespace quelbrook::history
