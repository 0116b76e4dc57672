#pragma once
// Which pictures the window draws a ROM's codes with: the shipped ones, those learned from
// that ROM, or another folder; remembered per ROM by its contents' checksum, so that a
// renamed or moved ROM keeps its choice.

#include <QString>

namespace quelbrook {

enum class PictureChoice { kShipped, kLearned, kFolder };

struct PictureSetting {
  PictureChoice choice = PictureChoice::kShipped;
  QString folder;  // for kFolder
};

// SHA-256 of the file's bytes in hexadecimal; empty when it cannot be read.
QString RomChecksum(const QString& romPath);
// Where the pictures learned from the ROM with this checksum are kept.
QString LearnedPicturesFolder(const QString& checksum);

PictureSetting ReadPictureSetting(const QString& checksum);
void WritePictureSetting(const QString& checksum, const PictureSetting& setting);
// The folder to draw from; `shipped` is the program's own, also when the chosen one is gone.
QString PictureDirectory(const PictureSetting& setting, const QString& shipped, const QString& checksum);

}  // namespace quelbrook
