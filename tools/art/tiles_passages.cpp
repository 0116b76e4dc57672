#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kSteel{210, 216, 230};

void Planks(Canvas& tile, int left, int top, int width, int height) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) {
      const int seam = (x - left) % 7;
      tile.Set(x, y, seam == 6 ? Shade(kWood, -90) : (seam == 0 ? Shade(kWood, 40) : kWood));
    }
}

// Upper and lower halves of one door: the top has the arch, the bottom the handle.
void Door(Canvas& tile, bool upper) {
  tile.FillRect(0, 0, kTileSize, kTileSize, Shade(kCastleWall, -40));
  Planks(tile, 4, upper ? 8 : 0, 24, upper ? 24 : 32);
  if (upper) {
    for (int x = 4; x < 28; ++x)
      for (int y = 2; y < 8; ++y)
        if ((x - 16) * (x - 16) + (y - 8) * (y - 8) * 4 < 144) tile.Set(x, y, tile.At(x, 9));
    tile.FillRect(4, 12, 24, 2, kIron);
  } else {
    tile.FillRect(4, 20, 24, 2, kIron);
    FillDisc(tile, 22, 10, 2, kGold);
  }
  tile.FillRect(3, upper ? 6 : 0, 1, upper ? 26 : 32, kInk);
  tile.FillRect(28, upper ? 6 : 0, 1, upper ? 26 : 32, kInk);
}

void LockedDoor(Canvas& tile) {
  Door(tile, false);
  tile.FillRect(12, 6, 9, 11, kGold);
  tile.Frame(12, 6, 9, 11, kInk);
  FillDisc(tile, 16, 10, 1, kInk);
  tile.FillRect(16, 11, 1, 4, kInk);
}

void IronBars(Canvas& tile) {
  for (int x = 2; x < kTileSize; x += 6) {
    tile.FillRect(x, 0, 3, kTileSize, kIron);
    tile.FillRect(x, 0, 1, kTileSize, Shade(kIron, 60));
  }
  tile.FillRect(0, 6, kTileSize, 3, Shade(kIron, -40));
  tile.FillRect(0, 24, kTileSize, 3, Shade(kIron, -40));
}

void Ladder(Canvas& tile, bool top) {
  const int start = top ? 8 : 0;
  tile.FillRect(6, start, 3, kTileSize - start, kWood);
  tile.FillRect(23, start, 3, kTileSize - start, kWood);
  for (int y = start + 4; y < kTileSize; y += 8) tile.FillRect(9, y, 14, 3, Shade(kWood, 30));
  if (top) {
    FillDisc(tile, 7, 8, 2, Shade(kWood, 30));
    FillDisc(tile, 24, 8, 2, Shade(kWood, 30));
  }
  OutlineShapes(tile, kNightSky, kInk);
}

void Rope(Canvas& tile) {
  const Rgb hemp{210, 170, 100};
  for (int y = 0; y < kTileSize; ++y) {
    tile.FillRect(14, y, 4, 1, hemp);
    tile.Set(14 + (y % 4), y, Shade(hemp, -70));
  }
  FillDisc(tile, 16, 26, 3, hemp);
  OutlineShapes(tile, kNightSky, kInk);
}

void Chain(Canvas& tile) {
  for (int y = 2; y < kTileSize; y += 8) {
    DrawRing(tile, 16, y + 2, 4, 2, kIron);
    tile.FillRect(15, y + 5, 2, 5, Shade(kIron, 40));
  }
  OutlineShapes(tile, kNightSky, kInk);
}

// Spikes pointing one way; `turns` quarter turns clockwise from pointing up.
void Spikes(Canvas& tile, int turns) {
  Canvas up = BlankTile();
  up.FillRect(0, 26, kTileSize, 6, Shade(kIron, -40));
  for (int x = 0; x < kTileSize; x += 8) {
    FillTriangle(up, x, 26, x + 7, 26, x + 3, 6, kSteel);
    DrawLine(up, x + 3, 6, x + 7, 26, Shade(kSteel, -80));
  }
  OutlineShapes(up, kNightSky, kInk);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      int sx = x;
      int sy = y;
      for (int t = 0; t < turns; ++t) {
        const int previous = sx;
        sx = sy;
        sy = kTileSize - 1 - previous;
      }
      tile.Set(x, y, up.At(sx, sy));
    }
}

void BridgePlanks(Canvas& tile) {
  Planks(tile, 0, 10, kTileSize, 8);
  tile.FillRect(0, 9, kTileSize, 1, kInk);
  tile.FillRect(0, 18, kTileSize, 1, kInk);
  DrawLine(tile, 0, 2, 31, 2, {210, 170, 100});
  for (int x = 3; x < kTileSize; x += 14) tile.FillRect(x, 2, 2, 8, Shade(kWood, -40));
}

void Trapdoor(Canvas& tile) {
  tile.FillRect(0, 0, kTileSize, 10, Shade(kStone, -30));
  Planks(tile, 2, 2, 28, 6);
  tile.Frame(1, 1, 30, 8, kInk);
  FillDisc(tile, 16, 5, 1, kGold);
}

void Lever(Canvas& tile) {
  tile.FillRect(8, 24, 16, 8, kIron);
  tile.Frame(8, 24, 16, 8, kInk);
  DrawLine(tile, 16, 25, 24, 8, Shade(kWood, -20));
  DrawLine(tile, 17, 25, 25, 8, Shade(kWood, -20));
  FillDisc(tile, 25, 7, 3, {220, 40, 40});
}

void StoneDoor(Canvas& tile) {
  tile.FillRect(2, 0, 28, kTileSize, Shade(kStone, -10));
  tile.Frame(2, 0, 28, kTileSize, kInk);
  tile.FillRect(16, 0, 1, kTileSize, kInk);
  DrawRing(tile, 16, 16, 8, 6, {110, 240, 255});
}

}  // namespace

Canvas DrawPassageTile(int column) {
  Canvas tile = BlankTile();
  switch (column) {
    case 0:
      Door(tile, true);
      break;
    case 1:
      Door(tile, false);
      break;
    case 2:
      LockedDoor(tile);
      break;
    case 3:
      IronBars(tile);
      break;
    case 4:
      Ladder(tile, true);
      break;
    case 5:
      Ladder(tile, false);
      break;
    case 6:
      Rope(tile);
      break;
    case 7:
      Chain(tile);
      break;
    case 8:
    case 9:
    case 10:
    case 11:
      Spikes(tile, column - 8);
      break;
    case 12:
      BridgePlanks(tile);
      break;
    case 13:
      Trapdoor(tile);
      break;
    case 14:
      Lever(tile);
      break;
    case 15:
      StoneDoor(tile);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
