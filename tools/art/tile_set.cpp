#include "tile_set.h"

#include <stdexcept>
#include <string>

#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

Canvas DrawTile(int code) {
  using RowPainter = Canvas (*)(int);
  static constexpr RowPainter kRows[] = {
      DrawSkyTile,  DrawEarthTile,  DrawGrassTile,  DrawBrickTile,   DrawStoneTile,      DrawWaterTile,
      DrawCaveTile, DrawForestTile, DrawCastleTile, DrawPassageTile, DrawDecorationTile,
  };
  static_assert(std::size(kRows) * kTilesPerRow == kTileCount);
  if (code < 0 || code >= kTileCount) throw std::out_of_range("no tile " + std::to_string(code));
  return kRows[code / kTilesPerRow](code % kTilesPerRow);
}

}  // namespace quelbrook::art
