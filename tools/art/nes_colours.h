#pragma once
// The console's 64 colours in the RGB values the game's frames show, so that a
// picture drawn from the game's tiles equals the frame pixel for pixel.

#include "canvas.h"

namespace quelbrook::art {

constexpr int kNesColourCount = 64;

Rgb NesColour(int number);  // number 0..63

}  // namespace quelbrook::art
