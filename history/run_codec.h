#pragma once
// A point's runs as one blob in its row, so that a save writes one row rather than a row
// and a row a run: for each run its offset and the lengths before and after, four bytes
// each, least significant first, then the bytes before and the bytes after.

#include <vector>

#include "rom_change.h"

namespace quelbrook::history {

Bytes EncodeRuns(const std::vector<ChangedRun>& runs);
// Throws HistoryError (SQLITE_CORRUPT) for a blob that does not hold whole runs.
std::vector<ChangedRun> DecodeRuns(const Bytes& blob);

}  // namespace quelbrook::history
