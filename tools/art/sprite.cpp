#include "sprite.h"

#include <stdexcept>

#include "palette.h"

namespace quelbrook::art {

Canvas DesignFromText(const std::vector<std::string_view>& rows, const std::vector<Ink>& inks) {
  if (rows.size() != kSpriteGrid) throw std::logic_error("a sprite design needs 16 rows");
  Canvas design(kSpriteGrid, kSpriteGrid, kNightSky);
  int y = 0;
  for (std::string_view row : rows) {
    if (row.size() != kSpriteGrid) throw std::logic_error("sprite row of wrong length: " + std::string(row));
    for (int x = 0; x < kSpriteGrid; ++x) {
      if (row[static_cast<std::size_t>(x)] == '.') continue;
      bool found = false;
      for (const Ink& ink : inks)
        if (ink.key == row[static_cast<std::size_t>(x)]) {
          design.Set(x, y, ink.colour);
          found = true;
        }
      if (!found) throw std::logic_error("sprite ink not defined in: " + std::string(row));
    }
    ++y;
  }
  return design;
}

void Overlay(Canvas& base, const Canvas& overlay) {
  for (int y = 0; y < overlay.height(); ++y)
    for (int x = 0; x < overlay.width(); ++x)
      if (overlay.At(x, y) != kNightSky) base.Set(x, y, overlay.At(x, y));
}

Canvas RotateClockwise(const Canvas& design) {
  Canvas turned(design.height(), design.width(), kNightSky);
  for (int y = 0; y < design.height(); ++y)
    for (int x = 0; x < design.width(); ++x) turned.Set(design.height() - 1 - y, x, design.At(x, y));
  return turned;
}

namespace {

bool IsBody(const Canvas& design, int x, int y) {
  return design.Contains(x, y) && design.At(x, y) != kNightSky && design.At(x, y) != kInk;
}

// Eight-way rim: diagonal gaps close too, so thin limbs keep a solid edge.
void AddRim(Canvas& design) {
  Canvas rimmed = design;
  for (int y = 0; y < design.height(); ++y)
    for (int x = 0; x < design.width(); ++x) {
      if (design.At(x, y) != kNightSky) continue;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (IsBody(design, x + dx, y + dy)) rimmed.Set(x, y, kInk);
    }
  design = rimmed;
}

}  // namespace

Canvas FinishSprite(const Canvas& design, bool outlined) {
  Canvas source = design;
  if (outlined) AddRim(source);
  Canvas sprite(source.width() * 2, source.height() * 2, kNightSky);
  sprite.Paste(source, 0, 0, 2);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x) {
      if (!IsBody(source, x, y)) continue;
      const Rgb colour = source.At(x, y);
      if (!IsBody(source, x, y - 1)) {
        sprite.Set(2 * x, 2 * y, Shade(colour, 90));
        sprite.Set(2 * x + 1, 2 * y, Shade(colour, 90));
      }
      if (!IsBody(source, x - 1, y)) sprite.Set(2 * x, 2 * y + 1, Shade(colour, 50));
      if (!IsBody(source, x, y + 1)) {
        sprite.Set(2 * x, 2 * y + 1, Shade(colour, -70));
        sprite.Set(2 * x + 1, 2 * y + 1, Shade(colour, -70));
      }
      if (!IsBody(source, x + 1, y)) sprite.Set(2 * x + 1, 2 * y, Shade(colour, -40));
    }
  return sprite;
}

}  // namespace quelbrook::art
