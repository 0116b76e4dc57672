#include "point_restore.h"

#include "regular_file.h"
#include "rom_history.h"

namespace quelbrook::history {

RestoreOutcome RestorePoint(KeptHistory& history, int number) {
  const Bytes state = history.Open().StateAfter(number);
  // One byte more than the state tells a longer ROM from an equal one.
  const auto now = ReadRegularFile(history.romPath(), state.size() + 1);
  if (now && Bytes(now->begin(), now->end()) == state) return {};
  return {true, ReplaceRomRecorded(history, state, "Restore to point " + std::to_string(number))};
}

}  // namespace quelbrook::history
