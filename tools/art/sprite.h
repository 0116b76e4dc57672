#pragma once
// Items and enemies are drawn on a 16 x 16 grid and shown at 32 x 32: designed at
// the marker size, they stay readable when the editor shrinks them.

#include <string_view>
#include <vector>

#include "canvas.h"

namespace quelbrook::art {

constexpr int kSpriteGrid = 16;

struct Ink {
  char key;
  Rgb colour;
};

// A 16 x 16 design in text: one string of 16 characters a row, '.' left empty,
// every other character looked up in `inks`. Throws on a malformed design.
Canvas DesignFromText(const std::vector<std::string_view>& rows, const std::vector<Ink>& inks);
// Draws `overlay` over `base` wherever the overlay is not empty.
void Overlay(Canvas& base, const Canvas& overlay);
Canvas RotateClockwise(const Canvas& design);

// Rims the design in ink, doubles it and lights each patch from above.
Canvas FinishSprite(const Canvas& design, bool outlined = true);

}  // namespace quelbrook::art
