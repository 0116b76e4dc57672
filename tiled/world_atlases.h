#pragma once
// The pictures a world map shows, each atlas a grid of 16 pictures a row, drawn at the
// size the world picture draws them so that Tiled shows the same pixels. Every code has
// its place, so the pictures should come with placeholders for codes without a file.

#include <QImage>

#include "picture_folder.h"

namespace quelbrook {

// The 256 tile codes at 32 x 32.
QImage TileAtlas(PictureSource& pictures);
// The 256 item codes, then the 256 enemy kinds, at 16 x 16.
QImage ObjectAtlas(PictureSource& pictures);

}  // namespace quelbrook
