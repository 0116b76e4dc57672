#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

const Material kBrickWork{BrickTexture, Shade(kMortar, -60), true};
const Material kStoneWork{StoneTexture, Shade(kStone, -140), true};

constexpr Shape kMasonryShapes[] = {
    Shape::kFull,      Shape::kTopHalf, Shape::kBottomHalf, Shape::kLeftHalf,
    Shape::kRightHalf, Shape::kStairs,  Shape::kSlopeUp,    Shape::kColumn,
    Shape::kBlock,     Shape::kLedge,   Shape::kArch,       Shape::kRoundTopLeft,
};

constexpr Rgb kMoss{70, 150, 60};

void Crack(Canvas& tile, Rgb colour) {
  int x = 18;
  for (int y = 2; y < 30; ++y) {
    x += static_cast<int>(PixelHash(x, y, 71) % 3) - 1;
    tile.Set(x, y, colour);
    if (y % 9 == 0) DrawLine(tile, x, y, x + 5, y + 3, colour);
  }
}

void Moss(Canvas& tile) {
  for (int x = 0; x < kTileSize; ++x) {
    const int length = 3 + static_cast<int>(PixelHash(x / 2, 0, 72) % 9);
    for (int y = 0; y < length; ++y) tile.Set(x, y, y == length - 1 ? Shade(kMoss, -50) : kMoss);
  }
}

void ArchedWindow(Canvas& tile, Rgb glass) {
  tile.FillRect(10, 12, 12, 16, kInk);
  FillDisc(tile, 15, 12, 6, kInk);
  FillDisc(tile, 16, 12, 6, kInk);
  tile.FillRect(11, 13, 10, 14, glass);
  FillDisc(tile, 15, 12, 5, glass);
  FillDisc(tile, 16, 12, 5, glass);
  tile.FillRect(15, 7, 2, 20, kInk);
  tile.FillRect(11, 18, 10, 1, kInk);
}

void BarredWindow(Canvas& tile) {
  tile.FillRect(6, 8, 20, 16, kInk);
  for (int x = 8; x < 26; x += 4) tile.FillRect(x, 8, 2, 16, kIron);
  tile.FillRect(6, 8, 20, 2, Shade(kIron, -40));
}

void Rune(Canvas& tile) {
  const Rgb glow{110, 240, 255};
  DrawLine(tile, 16, 6, 16, 26, glow);
  DrawLine(tile, 16, 10, 10, 16, glow);
  DrawLine(tile, 16, 10, 22, 16, glow);
  DrawLine(tile, 10, 22, 22, 22, glow);
}

}  // namespace

Canvas DrawBrickTile(int column) {
  Canvas tile = BlankTile();
  if (column < 12) {
    PaintTerrain(tile, kMasonryShapes[column], kBrickWork);
    return tile;
  }
  PaintTerrain(tile, Shape::kFull, kBrickWork);
  switch (column) {
    case 12:
      ArchedWindow(tile, {250, 210, 90});
      break;
    case 13:
      Crack(tile, kInk);
      break;
    case 14:
      Moss(tile);
      break;
    case 15:
      BarredWindow(tile);
      break;
  }
  return tile;
}

Canvas DrawStoneTile(int column) {
  Canvas tile = BlankTile();
  if (column < 12) {
    PaintTerrain(tile, kMasonryShapes[column], kStoneWork);
    return tile;
  }
  PaintTerrain(tile, Shape::kFull, kStoneWork);
  switch (column) {
    case 12:
      Crack(tile, Shade(kStone, -150));
      break;
    case 13:
      Moss(tile);
      break;
    case 14:
      Rune(tile);
      break;
    case 15:  // a carved face
      tile.FillRect(8, 9, 5, 4, kInk);
      tile.FillRect(19, 9, 5, 4, kInk);
      FillTriangle(tile, 16, 13, 13, 19, 19, 19, Shade(kStone, -80));
      tile.FillRect(10, 22, 12, 3, kInk);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
