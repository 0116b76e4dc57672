#pragma once
// One painter per row of the tile palette; each takes the column 0..15. The row
// order is the order of the palette, so the codes of tile_codes.h follow it.

#include "canvas.h"

namespace quelbrook::art {

Canvas DrawSkyTile(int column);
Canvas DrawEarthTile(int column);
Canvas DrawGrassTile(int column);
Canvas DrawBrickTile(int column);
Canvas DrawStoneTile(int column);
Canvas DrawWaterTile(int column);
Canvas DrawCaveTile(int column);
Canvas DrawForestTile(int column);
Canvas DrawCastleTile(int column);
Canvas DrawPassageTile(int column);
Canvas DrawDecorationTile(int column);

}  // namespace quelbrook::art
