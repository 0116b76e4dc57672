#pragma once
// The quick state slot of a ROM: one saved state of the console, kept in the user's data
// folder under a name made from the ROM's path, never beside or inside the ROM.

#include <QByteArray>
#include <QString>
#include <optional>

namespace quelbrook::play {

// The file that holds the quick state of the ROM at romPath.
QString QuickStatePath(const QString& romPath);

// Replaces the ROM's quick state at once or not at all. Throws EditorError.
void WriteQuickState(const QString& romPath, const QByteArray& state);
// The ROM's quick state; nothing when none was saved. Throws EditorError when it cannot be read.
std::optional<QByteArray> ReadQuickState(const QString& romPath);

}  // namespace quelbrook::play
