#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

const Material kCaveGround{CaveRockTexture, Shade(kCaveRock, -110), true};

constexpr Shape kCaveShapes[] = {Shape::kFull,      Shape::kTopHalf, Shape::kBottomHalf, Shape::kLeftHalf,
                                 Shape::kRightHalf, Shape::kSlopeUp, Shape::kSlopeDown,  Shape::kLedge};

constexpr Rgb kCrystal{90, 230, 250};
constexpr Rgb kGlowCap{120, 255, 170};

void Spike(Canvas& tile, int x, int width, int length, bool hanging) {
  const Rgb rock = Shade(kCaveRock, 20);
  const int base = hanging ? 0 : kTileSize - 1;
  const int tip = hanging ? length : kTileSize - 1 - length;
  FillTriangle(tile, x - width / 2, base, x + width / 2, base, x, tip, rock);
  DrawLine(tile, x - width / 2, base, x, tip, Shade(rock, 50));
}

void Crystals(Canvas& tile) {
  const int shards[][3] = {{10, 6, 18}, {17, 8, 26}, {24, 5, 15}};
  for (const auto& s : shards) {
    FillTriangle(tile, s[0] - s[1] / 2, 31, s[0] + s[1] / 2, 31, s[0], 31 - s[2], kCrystal);
    DrawLine(tile, s[0], 31, s[0], 31 - s[2] + 2, kWhite);
  }
  OutlineShapes(tile, kNightSky, Shade(kCrystal, -150));
}

void GlowingMushrooms(Canvas& tile) {
  const int caps[][2] = {{9, 20}, {20, 14}, {26, 24}};
  for (const auto& c : caps) {
    tile.FillRect(c[0] - 1, c[1], 3, kTileSize - c[1], {220, 220, 200});
    FillEllipse(tile, c[0], c[1], 5, 3, kGlowCap);
    tile.Set(c[0] - 2, c[1] - 1, kWhite);
  }
  OutlineShapes(tile, kNightSky, {30, 80, 60});
}

void Cobweb(Canvas& tile) {
  const Rgb silk{200, 200, 220};
  for (int i = 0; i < 5; ++i) DrawLine(tile, 0, 0, 31 - i * 7, i * 7, silk);
  for (int r = 8; r < 32; r += 8)
    for (int i = 0; i <= r; ++i) tile.Set(r - i, i * 28 / 32 + (i * (r - i)) / 40, Shade(silk, -60));
  // Its maker waits at the end of a thread.
  DrawLine(tile, 22, 15, 22, 22, silk);
  FillDisc(tile, 22, 24, 2, {60, 40, 70});
  tile.Set(21, 24, {255, 40, 40});
  tile.Set(23, 24, {255, 40, 40});
}

void Drip(Canvas& tile) {
  PaintTerrain(tile, Shape::kTopHalf, kCaveGround);
  Spike(tile, 16, 8, 22, true);
  FillEllipse(tile, 16, 27, 2, 3, {120, 190, 255});
  tile.Set(16, 26, kWhite);
}

}  // namespace

Canvas DrawCaveTile(int column) {
  Canvas tile = BlankTile();
  if (column < 8) {
    PaintTerrain(tile, kCaveShapes[column], kCaveGround);
    if (column == 1) Spike(tile, 10, 6, 24, true);
    if (column == 2) Spike(tile, 22, 6, 24, false);
    return tile;
  }
  switch (column) {
    case 8:
      Spike(tile, 8, 10, 28, true);
      Spike(tile, 22, 8, 18, true);
      break;
    case 9:
      Spike(tile, 10, 8, 18, false);
      Spike(tile, 22, 10, 28, false);
      break;
    case 10:
      Crystals(tile);
      break;
    case 11:
      GlowingMushrooms(tile);
      break;
    case 12:  // rock with a gem vein
      PaintTerrain(tile, Shape::kFull, kCaveGround);
      for (int x = 2; x < 30; x += 3) tile.Set(x, 14 + (x * 5) % 7, kCrystal);
      FillDisc(tile, 20, 18, 2, {255, 80, 160});
      break;
    case 13:
      Drip(tile);
      break;
    case 14:
      Cobweb(tile);
      break;
    case 15:  // pile of bones
      FillEllipse(tile, 16, 29, 14, 4, {200, 190, 160});
      FillEllipse(tile, 12, 23, 6, 5, {236, 228, 200});
      tile.FillRect(9, 22, 2, 2, kInk);
      tile.FillRect(14, 22, 2, 2, kInk);
      DrawLine(tile, 18, 27, 29, 21, {236, 228, 200});
      OutlineShapes(tile, kNightSky, kInk);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
