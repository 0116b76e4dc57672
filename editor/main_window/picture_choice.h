#pragma once
// Which pictures the window draws a ROM's codes with: the shipped ones, those learned from
// that ROM, or another folder. Remembered per ROM twice: by a checksum of the bytes no save of
// the editor writes, so that saving, renaming or moving the ROM keeps the choice, and by its
// path, so that a game changed outside the editor (its tiles redrawn) keeps it too.

#include <QString>

namespace quelbrook {

enum class PictureChoice { kShipped, kLearned, kFolder };

struct PictureSetting {
  PictureChoice choice = PictureChoice::kShipped;
  QString folder;  // for kLearned and kFolder
};

struct RomIdentity {
  QString game;  // SHA-256 of the bytes outside kEditorWrittenRanges; empty when unreadable
  QString path;  // absolute
};

RomIdentity IdentityOf(const QString& romPath);
// Where the pictures learned from a ROM of this game are kept.
QString LearnedPicturesFolder(const RomIdentity& rom);

// The choice remembered for the game, else for the path, else the shipped pictures.
PictureSetting ReadPictureSetting(const RomIdentity& rom);
void WritePictureSetting(const RomIdentity& rom, const PictureSetting& setting);

}  // namespace quelbrook
