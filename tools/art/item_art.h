#pragma once
// Pictures of the twelve item kinds, "items/0.bmp" to "items/B.bmp".

#include "canvas.h"

namespace quelbrook::art {

constexpr int kItemPictureCount = 12;

Canvas DrawItem(int code);  // code 0..11

}  // namespace quelbrook::art
