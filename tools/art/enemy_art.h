#pragma once
// Pictures of the sixteen enemy kinds, "enemyes/0.bmp" to "enemyes/F.bmp".

#include "canvas.h"

namespace quelbrook::art {

constexpr int kEnemyPictureCount = 16;

Canvas DrawEnemy(int kind);  // kind 0..15

}  // namespace quelbrook::art
