#pragma once
// The copies of the ROM that "Test this screen" hands to an emulator. The emulator reads
// a copy after the click returns, so a copy cannot be removed at once; copies older than
// a day are removed at the next test run instead.

#include <QString>
#include <chrono>

namespace quelbrook {

// The pattern of a new copy's path in the temporary folder, for QTemporaryFile.
QString TestCopyPattern();
// Removes the copies (quelbrook-test-*.nes) in the folder last changed more than maxAge
// ago; other files stay. Returns how many were removed.
int RemoveOldTestCopies(const QString& folder, std::chrono::seconds maxAge = std::chrono::hours(24));

}  // namespace quelbrook
