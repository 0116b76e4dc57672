#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kFoam{210, 240, 255};
constexpr Rgb kDeepWater{24, 60, 150};
constexpr Rgb kLava{240, 90, 20};
constexpr Rgb kIce{170, 220, 250};
constexpr Rgb kSand{220, 190, 120};

Rgb Liquid(Rgb base, Rgb deep, int x, int y) {
  const Rgb colour = Mix(base, deep, y * 6);
  if ((x + y * 3) % 16 == 0 && y % 5 == 2) return Shade(colour, 90);  // glints
  return colour;
}

void FillLiquid(Canvas& tile, int top, Rgb base, Rgb deep) {
  for (int y = top; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) tile.Set(x, y, Liquid(base, deep, x, y));
}

// The surface line rises and falls twice per tile, so neighbouring tiles join.
void Waves(Canvas& tile, int level, Rgb base, Rgb deep, Rgb crest) {
  for (int x = 0; x < kTileSize; ++x) {
    const int phase = x % 16;
    const int top = level + (phase < 8 ? phase / 3 : (16 - phase) / 3);
    for (int y = top; y < kTileSize; ++y) tile.Set(x, y, Liquid(base, deep, x, y));
    tile.Set(x, top, crest);
  }
}

void Bubble(Canvas& tile, int x, int y, int radius) {
  DrawRing(tile, x, y, radius, radius - 1, kFoam);
  tile.Set(x - radius / 2, y - radius / 2, kWhite);
}

void Falls(Canvas& tile) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 4; x < 28; ++x) {
      const bool streak = (x * 7 + y * 3 / 2 + static_cast<int>(PixelHash(x, 0, 81) % 8)) % 11 < 2;
      tile.Set(x, y, streak ? kFoam : Mix(kWater, kDeepWater, (x % 6) * 30));
    }
  tile.FillRect(3, 0, 1, kTileSize, kFoam);
  tile.FillRect(28, 0, 1, kTileSize, kFoam);
}

void Shore(Canvas& tile, bool landOnLeft) {
  Waves(tile, 14, kWater, kDeepWater, kFoam);
  for (int y = 10; y < kTileSize; ++y) {
    const int reach = 18 - (y - 10) / 2 + static_cast<int>(PixelHash(y, 0, 82) % 2);
    for (int i = 0; i < reach; ++i) {
      const int x = landOnLeft ? i : kTileSize - 1 - i;
      tile.Set(x, y, i == reach - 1 ? kFoam : (PixelHash(x, y, 83) % 6 == 0 ? Shade(kSand, -40) : kSand));
    }
  }
}

void Whirl(Canvas& tile) {
  FillLiquid(tile, 0, kWater, kDeepWater);
  for (int radius = 4; radius < 15; radius += 4) DrawRing(tile, 16, 16, radius, radius - 1, kFoam);
  FillDisc(tile, 16, 16, 2, kDeepWater);
}

}  // namespace

Canvas DrawWaterTile(int column) {
  Canvas tile = BlankTile();
  switch (column) {
    case 0:
      Waves(tile, 8, kWater, kDeepWater, kFoam);
      break;
    case 1:
      FillLiquid(tile, 0, Mix(kWater, kDeepWater, 128), kDeepWater);
      break;
    case 2:
      FillLiquid(tile, 0, kWater, kDeepWater);
      Bubble(tile, 10, 20, 4);
      Bubble(tile, 20, 10, 3);
      Bubble(tile, 24, 24, 2);
      break;
    case 3:  // top of a waterfall: the stream pours over a lip of rock
      Falls(tile);
      tile.FillRect(0, 0, kTileSize, 6, kStone);
      tile.FillRect(0, 6, kTileSize, 1, Shade(kStone, -120));
      tile.FillRect(4, 0, 24, 6, kWater);
      tile.FillRect(4, 0, 24, 1, kFoam);
      break;
    case 4:
      Falls(tile);
      break;
    case 5:  // splash at the foot of the falls
      Waves(tile, 16, kWater, kDeepWater, kFoam);
      for (int i = 0; i < 7; ++i) FillDisc(tile, 4 + i * 4, 14 - (i % 3) * 3, 2 + i % 2, kFoam);
      break;
    case 6:
      Shore(tile, true);
      break;
    case 7:
      Shore(tile, false);
      break;
    case 8:  // lily pad
      Waves(tile, 8, kWater, kDeepWater, kFoam);
      FillEllipse(tile, 16, 14, 11, 4, Shade(kGrass, -20));
      FillTriangle(tile, 16, 14, 27, 11, 27, 16, kWater);
      FillDisc(tile, 11, 12, 2, {250, 150, 200});
      break;
    case 9:  // reeds standing in water
      Waves(tile, 18, kWater, kDeepWater, kFoam);
      for (int x = 6; x < kTileSize; x += 7) {
        DrawLine(tile, x, 22, x + 2, 4 + x % 5, Shade(kGrass, -30));
        tile.FillRect(x + 1, 6 + x % 5, 2, 5, {120, 70, 40});
      }
      break;
    case 10:  // ice block
      tile.FillRect(0, 0, kTileSize, kTileSize, kIce);
      tile.Frame(0, 0, kTileSize, kTileSize, Shade(kIce, -90));
      DrawLine(tile, 5, 5, 12, 12, kWhite);
      DrawLine(tile, 6, 5, 13, 12, kWhite);
      DrawLine(tile, 20, 22, 26, 27, Shade(kIce, 60));
      break;
    case 11:  // frozen surface with icicles
      tile.FillRect(0, 0, kTileSize, 8, kIce);
      tile.FillRect(0, 7, kTileSize, 1, Shade(kIce, -80));
      for (int x = 2; x < kTileSize; x += 6)
        FillTriangle(tile, x, 8, x + 4, 8, x + 2, 14 + x % 3 * 4, Shade(kIce, 30));
      break;
    case 12:
      Waves(tile, 8, kLava, {150, 20, 10}, {255, 230, 80});
      break;
    case 13:
      FillLiquid(tile, 0, {220, 60, 10}, {130, 16, 8});
      FillDisc(tile, 10, 12, 3, {255, 200, 40});
      FillDisc(tile, 22, 23, 2, {255, 200, 40});
      break;
    case 14:  // a fish under the surface
      Waves(tile, 4, kWater, kDeepWater, kFoam);
      FillEllipse(tile, 15, 19, 7, 4, {250, 150, 50});
      FillTriangle(tile, 21, 19, 27, 14, 27, 24, {250, 150, 50});
      tile.Set(11, 18, kInk);
      break;
    case 15:
      Whirl(tile);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
