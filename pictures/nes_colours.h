#pragma once
// The colours the game's frames are made of: the console's 64 colour numbers as the host's
// NES core draws them (Nestopia with its palette option fixed to "cxa2025as", the colours of
// Sony's CXA2025AS decoder as a television showed them). The table is checked against frames
// the core draws (tests/play), so a picture drawn in these values matches the game exactly.

#include "canvas.h"

namespace quelbrook {

constexpr int kNesColourCount = 64;

Rgb NesColour(int number);  // number 0..63

}  // namespace quelbrook
