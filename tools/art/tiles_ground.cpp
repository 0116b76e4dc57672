#include <cstdlib>

#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

const Material kEarth{DirtTexture, Shade(kDirt, -120)};
const Material kGrassyEarth{DirtTexture, Shade(kGrass, -140), true, kGrass, 6};

constexpr Shape kEarthShapes[] = {
    Shape::kFull,    Shape::kTopHalf,   Shape::kBottomHalf,      Shape::kLeftHalf,         Shape::kRightHalf,
    Shape::kSlopeUp, Shape::kSlopeDown, Shape::kRoundBottomLeft, Shape::kRoundBottomRight, Shape::kLedge,
    Shape::kColumn,  Shape::kBlock,
};

constexpr Shape kGrassShapes[] = {
    Shape::kFull,          Shape::kBottomHalf,      Shape::kSlopeUp,      Shape::kSlopeDown,
    Shape::kGentleSlopeUp, Shape::kGentleSlopeDown, Shape::kRoundTopLeft, Shape::kRoundTopRight,
    Shape::kLedge,         Shape::kColumn,          Shape::kBlock,        Shape::kStairs,
};

void Bone(Canvas& tile, int x0, int y0, int x1, int y1) {
  const Rgb bone{236, 228, 200};
  DrawLine(tile, x0, y0, x1, y1, bone);
  DrawLine(tile, x0, y0 + 1, x1, y1 + 1, bone);
  FillDisc(tile, x0, y0, 2, bone);
  FillDisc(tile, x1, y1, 2, bone);
}

void Roots(Canvas& tile) {
  const Rgb root{90, 56, 30};
  for (int x = 3; x < kTileSize; x += 9) {
    int wander = x;
    for (int y = 0; y < 26; ++y) {
      wander += static_cast<int>(PixelHash(x, y, 61) % 3) - 1;
      tile.Set(wander, y, root);
      tile.Set(wander + 1, y, Shade(root, 30));
    }
  }
}

void Ore(Canvas& tile) {
  const int nuggets[][2] = {{8, 9}, {20, 6}, {14, 19}, {25, 24}, {6, 26}};
  for (const auto& n : nuggets) {
    FillDisc(tile, n[0], n[1], 2, kGold);
    tile.Set(n[0] - 1, n[1] - 1, kWhite);
  }
}

void Tuft(Canvas& tile, int x, int height) {
  for (int i = -2; i <= 2; ++i) {
    const int tipX = x + i * 2;
    const int tipY = kTileSize - 1 - height + std::abs(i) * 2;
    DrawLine(tile, x, kTileSize - 1, tipX, tipY, i % 2 == 0 ? kGrass : Shade(kGrass, -50));
    tile.Set(tipX, tipY, Shade(kGrass, 90));
  }
}

void Flower(Canvas& tile, int x, int y, Rgb petal) {
  DrawLine(tile, x, y, x, kTileSize - 1, Shade(kGrass, -30));
  FillDisc(tile, x, y, 2, petal);
  tile.Set(x, y, kGold);
}

}  // namespace

Canvas DrawEarthTile(int column) {
  Canvas tile = BlankTile();
  if (column < 12) {
    PaintTerrain(tile, kEarthShapes[column], kEarth);
    return tile;
  }
  PaintTerrain(tile, Shape::kFull, kEarth);
  if (column == 12) Bone(tile, 7, 20, 24, 12);
  if (column == 13) Ore(tile);
  if (column == 14) Roots(tile);
  if (column == 15) {  // a buried skull
    FillEllipse(tile, 16, 15, 8, 7, {230, 222, 196});
    FillDisc(tile, 13, 15, 2, kInk);
    FillDisc(tile, 19, 15, 2, kInk);
    tile.FillRect(12, 21, 9, 3, {230, 222, 196});
    for (int x = 13; x < 21; x += 2) tile.Set(x, 22, kInk);
  }
  return tile;
}

Canvas DrawGrassTile(int column) {
  Canvas tile = BlankTile();
  if (column < 12) {
    PaintTerrain(tile, kGrassShapes[column], kGrassyEarth);
    return tile;
  }
  switch (column) {
    case 12:
      Tuft(tile, 8, 10);
      Tuft(tile, 22, 7);
      break;
    case 13:
      Flower(tile, 9, 20, {240, 80, 110});
      Flower(tile, 17, 16, {250, 240, 250});
      Flower(tile, 25, 22, {120, 150, 255});
      break;
    case 14:  // bush
      FillEllipse(tile, 16, 22, 14, 10, Shade(kGrass, -60));
      FillEllipse(tile, 12, 19, 8, 7, kGrass);
      FillEllipse(tile, 22, 20, 7, 6, Shade(kGrass, 20));
      for (int i = 0; i < 5; ++i) tile.Set(8 + i * 4, 18 + i % 2 * 5, {230, 40, 60});
      OutlineShapes(tile, kNightSky, Shade(kGrass, -150));
      break;
    case 15:  // reeds with cattails
      for (int x = 5; x < kTileSize; x += 6) {
        DrawLine(tile, x, kTileSize - 1, x + 1, 6 + x % 4, Shade(kGrass, -20));
        tile.FillRect(x, 8 + x % 4, 2, 5, {120, 70, 40});
      }
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
