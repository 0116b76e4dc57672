#pragma once
// What the test program pad_sprite.nes draws, worked out from its source: the picture the
// host must give back pixel for pixel.

#include <QImage>
#include <QPoint>

namespace quelbrook::testing {

inline constexpr QPoint kSpriteStart{124, 116};
// The sprite's colour numbers: still, and while A, B or Select is held.
inline constexpr int kSpriteColour = 0x28;
inline constexpr int kSpriteColourA = 0x14;
inline constexpr int kSpriteColourB = 0x3B;
inline constexpr int kSpriteColourSelect = 0x27;

// The diagonal bands with the 8 x 8 sprite at `sprite` in colour number `spriteColour`.
QImage PadSpritePicture(QPoint sprite, int spriteColour = kSpriteColour);
// Where the sprite is in a frame: the top left pixel in none of the band colours.
QPoint SpriteIn(const QImage& frame);

}  // namespace quelbrook::testing
