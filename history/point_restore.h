#pragma once
// Bringing a restore point back, for the tool and the window alike.

#include <string>

#include "recorded_write.h"

namespace quelbrook::history {

struct RestoreOutcome {
  bool written = false;  // false when the ROM already held the point's state
  std::string note;      // why the restore's own point was not kept, or empty
};

// Writes the ROM back to its state right after point `number`; the restore is a point of its
// own, "Restore to point N". Throws HistoryError when the history cannot give that state.
RestoreOutcome RestorePoint(KeptHistory& history, int number);

}  // namespace quelbrook::history
