#pragma once
// The whole world as one picture: the 128 screens in their 16 x 8 grid.

#include <QImage>
#include <vector>

#include "picture_folder.h"
#include "rom_image.h"
#include "world_data.h"

namespace quelbrook {

// 4096 x 1536 pixels at scale 1; other scales shrink or grow the full-size picture smoothly.
QImage RenderWorld(const WorldData& world, PictureSource& pictures, double scale = 1.0);
// The 128 screen pictures (256 x 192 each, in screen order) laid out as RenderWorld lays out
// its own, at the same scale.
QImage ArrangeWorld(const std::vector<QImage>& screens, double scale = 1.0);
// Reads the image (open, read, close) and draws it.
QImage RenderWorld(RomImage& rom, PictureSource& pictures, double scale = 1.0);

}  // namespace quelbrook
