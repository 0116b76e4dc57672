#include "pad_sprite.h"

#include "nes_frame_colour.h"

namespace quelbrook::testing {

namespace {
// Tile n of a band is colour n of the background palette: $16, $2A, $12.
constexpr int kBandColours[] = {0x16, 0x2A, 0x12};

QRgb BandColour(int x, int y) { return NesFrameColour(kBandColours[(x / 8 + y / 8) / 4 % 3]); }
}  // namespace

QImage PadSpritePicture(QPoint sprite, int spriteColour) {
  QImage picture(256, 240, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, BandColour(x, y));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) picture.setPixel(sprite + QPoint(x, y), NesFrameColour(spriteColour));
  return picture;
}

QPoint SpriteIn(const QImage& frame) {
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x)
      if (frame.pixel(x, y) != BandColour(x, y)) return {x, y};
  return {-1, -1};
}

}  // namespace quelbrook::testing
