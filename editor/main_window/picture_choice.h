#pragma once
// Which pictures the window draws a ROM's codes with: the shipped ones, those learned from
// that ROM, or another folder; remembered per ROM (rom_identity.h).

#include <QString>

#include "rom_identity.h"

namespace quelbrook {

enum class PictureChoice { kShipped, kLearned, kFolder };

struct PictureSetting {
  PictureChoice choice = PictureChoice::kShipped;
  QString folder;  // for kLearned and kFolder
};

// Where the pictures learned from a ROM of this game are kept.
QString LearnedPicturesFolder(const RomIdentity& rom);

// The choice remembered for the game, else for the path, else the shipped pictures.
PictureSetting ReadPictureSetting(const RomIdentity& rom);
void WritePictureSetting(const RomIdentity& rom, const PictureSetting& setting);

}  // namespace quelbrook
