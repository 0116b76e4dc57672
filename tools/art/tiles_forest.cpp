#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kPine{30, 100, 70};

Rgb BarkAt(int x, int y) {
  const int grain = (x * 5 + static_cast<int>(PixelHash(x, y / 6, 91) % 3)) % 7;
  return grain == 0 ? Shade(kBark, -60) : (grain == 3 ? Shade(kBark, 30) : kBark);
}

void Trunk(Canvas& tile, int left, int right) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = left; x < right; ++x)
      tile.Set(x, y, x == left || x == right - 1 ? Shade(kBark, -100) : BarkAt(x, y));
}

// A clump of leaves lit from the top left; clumps overlap into a canopy.
void Leaves(Canvas& tile, int cx, int cy, int radius) {
  FillDisc(tile, cx, cy, radius, Shade(kLeaves, -60));
  FillDisc(tile, cx - 1, cy - 1, radius - 2, kLeaves);
  for (int y = cy - radius; y < cy + radius; ++y)
    for (int x = cx - radius; x < cx + radius; ++x)
      if (tile.Contains(x, y) && tile.At(x, y) == kLeaves && PixelHash(x, y, 92) % 9 == 0)
        tile.Set(x, y, Shade(kLeaves, 70));
}

void Canopy(Canvas& tile, int column) {
  const int clumps[][3] = {{8, 10, 9}, {22, 8, 9}, {14, 22, 10}, {28, 22, 8}, {2, 24, 8}};
  for (const auto& c : clumps) {
    if (column == 0 && c[0] < 6) continue;   // left end of the canopy
    if (column == 2 && c[0] > 24) continue;  // right end
    if (column == 3 && c[1] < 12) continue;  // underside
    Leaves(tile, c[0], column == 3 ? c[1] - 10 : c[1], c[2]);
  }
  OutlineShapes(tile, kNightSky, Shade(kLeaves, -140));
}

void Branch(Canvas& tile, bool towardsLeft) {
  Trunk(tile, towardsLeft ? 20 : 0, towardsLeft ? 32 : 12);
  for (int i = 0; i < 20; ++i) {
    const int x = towardsLeft ? 20 - i : 12 + i;
    tile.FillRect(x, 14 - i / 5, 1, 5, i % 6 == 0 ? Shade(kBark, -60) : kBark);
  }
  Leaves(tile, towardsLeft ? 4 : 28, 9, 6);
}

void Log(Canvas& tile) {
  for (int y = 18; y < 30; ++y)
    for (int x = 0; x < kTileSize; ++x)
      tile.Set(x, y, y == 18 || y == 29 ? Shade(kBark, -100) : BarkAt(y, x));
  FillEllipse(tile, 27, 24, 4, 6, {210, 170, 110});
  DrawRing(tile, 27, 24, 3, 2, {150, 100, 60});
}

void PineLayer(Canvas& tile, int top, int halfWidth) {
  FillTriangle(tile, 16 - halfWidth, top + 16, 16 + halfWidth, top + 16, 16, top, kPine);
  DrawLine(tile, 16, top, 16 + halfWidth, top + 16, Shade(kPine, -50));
  for (int x = 17 - halfWidth; x < 16 + halfWidth; x += 4) tile.Set(x, top + 15, Shade(kPine, 60));
}

}  // namespace

Canvas DrawForestTile(int column) {
  Canvas tile = BlankTile();
  switch (column) {
    case 0:
      Trunk(tile, 9, 23);
      break;
    case 1:  // trunk with a knot hole
      Trunk(tile, 9, 23);
      FillEllipse(tile, 16, 14, 3, 4, kInk);
      DrawRing(tile, 16, 14, 5, 3, Shade(kBark, -50));
      break;
    case 2:  // roots spread into the ground
      Trunk(tile, 9, 23);
      FillTriangle(tile, 2, 31, 12, 31, 11, 18, kBark);
      FillTriangle(tile, 30, 31, 20, 31, 21, 18, kBark);
      tile.FillRect(0, 30, kTileSize, 2, Shade(kGrass, -40));
      break;
    case 3:
    case 4:
    case 5:
    case 6:
      Canopy(tile, column - 3);
      break;
    case 7:
      Branch(tile, true);
      break;
    case 8:
      Branch(tile, false);
      break;
    case 9:
      Log(tile);
      break;
    case 10:  // stump
      Trunk(tile, 8, 24);
      tile.FillRect(0, 0, kTileSize, 14, kNightSky);
      FillEllipse(tile, 16, 14, 8, 3, {210, 170, 110});
      DrawRing(tile, 16, 14, 4, 3, {150, 100, 60});
      break;
    case 11:
      PineLayer(tile, 2, 8);
      PineLayer(tile, 12, 12);
      break;
    case 12:
      tile.FillRect(14, 0, 4, kTileSize, kBark);
      PineLayer(tile, 0, 13);
      PineLayer(tile, 12, 15);
      break;
    case 13:  // hanging vines
      for (int x = 4; x < kTileSize; x += 9) {
        const int length = 18 + x % 13;
        for (int y = 0; y < length; ++y) tile.Set(x + (y / 4) % 2, y, kLeaves);
        for (int y = 4; y < length; y += 6) FillDisc(tile, x + 2, y, 1, Shade(kLeaves, 40));
      }
      break;
    case 14:  // mushrooms on the forest floor
      tile.FillRect(8, 20, 4, 12, {230, 220, 200});
      FillEllipse(tile, 10, 20, 7, 5, {220, 50, 50});
      tile.Set(8, 18, kWhite);
      tile.Set(12, 19, kWhite);
      tile.FillRect(21, 25, 3, 7, {230, 220, 200});
      FillEllipse(tile, 22, 25, 5, 3, {240, 170, 60});
      OutlineShapes(tile, kNightSky, kInk);
      break;
    case 15:  // fireflies between the trees
      for (int i = 0; i < 6; ++i) {
        const int x = 4 + static_cast<int>(PixelHash(i, 0, 93) % 24);
        const int y = 4 + static_cast<int>(PixelHash(i, 1, 93) % 24);
        FillDisc(tile, x, y, 1, {120, 110, 40});
        tile.Set(x, y, {250, 255, 120});
      }
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
