#pragma once
// The copies of the ROM that run a screen: a copy that starts on that screen, the ROM itself
// only read. An outside emulator reads its copy after the click returns, so a copy cannot
// always be removed at once; copies older than a day are removed at the next copy instead.

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "screen_data.h"

namespace quelbrook::play {

// Records to play instead of the ROM's, by screen number (1..128).
using ScreenRecords = std::map<int, RecordBytes>;

// A copy of the ROM in the temporary folder whose start screen is `screen` (1..128), with
// that screen's record replaced by `record` when given (the window's unsaved edits). The copy
// is removed with the returned object unless the caller keeps it. Throws EditorError, also for
// a file that ends before the start-screen byte, before anything is written.
std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const std::optional<RecordBytes>& record = std::nullopt);
// The same with any screens' records replaced.
std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const ScreenRecords& records);

// The bytes of such a copy, for a player that takes them rather than a file; the copy is
// gone again when this returns.
QByteArray TestCopyBytes(const QString& romPath, int screen,
                         const std::optional<RecordBytes>& record = std::nullopt);
QByteArray TestCopyBytes(const QString& romPath, int screen, const ScreenRecords& records);

// Removes the copies (quelbrook-test-*.nes) in the folder last changed more than maxAge
// ago; other files stay. Returns how many were removed.
int RemoveOldTestCopies(const QString& folder, std::chrono::seconds maxAge = std::chrono::hours(24));

}  // namespace quelbrook::play
