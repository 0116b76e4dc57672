#pragma once
// The copies of the ROM that run a screen (StartingCopy), the ROM itself only read. An outside
// emulator reads its copy after the click returns, so a copy cannot always be removed at once;
// copies older than a day are removed at the next copy instead.

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <chrono>
#include <map>
#include <memory>
#include <optional>

#include "starting_copy.h"

namespace quelbrook::play {

// A copy of the ROM in the temporary folder, for an outside emulator: the file that
// StartingCopy makes of the ROM at romPath, with `screen`'s record replaced by `record` when
// given. The copy is removed with the returned object unless the caller keeps it. Throws
// EditorError, before anything is written.
std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const std::optional<RecordBytes>& record = std::nullopt);

// The same copy's bytes, for a player that takes bytes rather than a file; also with any
// screens' records replaced.
QByteArray TestCopyBytes(const QString& romPath, int screen,
                         const std::optional<RecordBytes>& record = std::nullopt);
QByteArray TestCopyBytes(const QString& romPath, int screen, const ScreenRecords& records);
// The same from the ROM's bytes, read once for many copies; `name` names the ROM in messages.
QByteArray StartingCopyBytes(const QByteArray& rom, const QString& name, int screen,
                             const ScreenRecords& records);
// The ROM's bytes; throws FileError, naming the file, when it cannot be read or is far larger
// than any NES ROM.
QByteArray ReadRomBytes(const QString& romPath);

// Removes the copies (quelbrook-test-*.nes) in the folder last changed more than maxAge
// ago; other files stay. Returns how many were removed.
int RemoveOldTestCopies(const QString& folder, std::chrono::seconds maxAge = std::chrono::hours(24));

}  // namespace quelbrook::play
