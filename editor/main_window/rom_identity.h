#pragma once
// What the window keeps per ROM is kept twice: by a checksum of the bytes no save of the editor
// writes, so that saving, renaming or moving the ROM keeps it, and by its path, so that a game
// changed outside the editor (its tiles redrawn) keeps it too.

#include <QString>
#include <QStringList>

namespace quelbrook {

struct RomIdentity {
  QString game;  // SHA-256 of the bytes outside kEditorWrittenRanges; empty when unreadable
  QString path;  // absolute
};

RomIdentity IdentityOf(const QString& romPath);

// The settings' groups that keep `section` for the ROM, the game's first.
QStringList SettingsGroupsOf(const RomIdentity& rom, const QString& section);

}  // namespace quelbrook
