#pragma once
// The 176 tile pictures, "graph/0.bmp" to "graph/AF.bmp".

#include "byte_map.h"
#include "canvas.h"

namespace quelbrook::art {

constexpr int kTileCount = kTilePictureCount;

Canvas DrawTile(int code);  // code 0..175

}  // namespace quelbrook::art
