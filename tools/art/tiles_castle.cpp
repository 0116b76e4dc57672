#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

const Material kCastleMasonry{CastleWallTexture, Shade(kCastleWall, -120), true};
constexpr Rgb kBanner{190, 30, 50};
constexpr Rgb kRoof{170, 50, 60};
constexpr Rgb kWarmLight{255, 214, 100};

void Wall(Canvas& tile) { PaintTerrain(tile, Shape::kFull, kCastleMasonry); }

void Battlement(Canvas& tile) {
  PaintTerrain(tile, Shape::kBottomHalf, kCastleMasonry);
  Canvas merlons = BlankTile();
  PaintTerrain(merlons, Shape::kFull, kCastleMasonry);
  for (int x = 2; x < kTileSize; x += 16) {
    for (int y = 6; y < 17; ++y)
      for (int i = 0; i < 10; ++i)
        tile.Set(x + i, y, i == 0 || i == 9 || y == 6 ? kInk : merlons.At(x + i, y));
  }
}

void Window(Canvas& tile, bool lit) {
  Wall(tile);
  const Rgb glass = lit ? kWarmLight : Rgb{30, 30, 60};
  tile.FillRect(9, 8, 14, 18, kInk);
  FillDisc(tile, 15, 9, 7, kInk);
  FillDisc(tile, 16, 9, 7, kInk);
  tile.FillRect(11, 10, 10, 15, glass);
  FillDisc(tile, 15, 10, 5, glass);
  FillDisc(tile, 16, 10, 5, glass);
  if (lit) tile.FillRect(15, 5, 2, 20, kInk);
}

void ArrowSlit(Canvas& tile) {
  Wall(tile);
  tile.FillRect(14, 5, 4, 22, kInk);
  tile.FillRect(10, 13, 12, 4, kInk);
}

void Pillar(Canvas& tile, bool capital) {
  const Rgb marble{200, 200, 214};
  for (int x = 8; x < 24; ++x) {
    const Rgb shade = x < 12 ? Shade(marble, 40) : (x > 19 ? Shade(marble, -60) : marble);
    tile.FillRect(x, 0, 1, kTileSize, (x - 8) % 5 == 4 ? Shade(marble, -30) : shade);
  }
  tile.FillRect(7, 0, 1, kTileSize, kInk);
  tile.FillRect(24, 0, 1, kTileSize, kInk);
  if (capital) {
    tile.FillRect(3, 4, 26, 6, Shade(marble, 20));
    tile.Frame(3, 4, 26, 6, kInk);
    tile.FillRect(5, 10, 22, 3, Shade(marble, -40));
  }
}

void Banner(Canvas& tile) {
  Wall(tile);
  tile.FillRect(6, 2, 20, 2, kGold);
  tile.FillRect(8, 4, 16, 20, kBanner);
  FillTriangle(tile, 8, 24, 24, 24, 16, 30, kBanner);
  FillDisc(tile, 16, 13, 4, kGold);
  FillDisc(tile, 16, 13, 2, kBanner);
  OutlineShapes(tile, kNightSky, kInk);
}

void CheckerFloor(Canvas& tile) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      const bool light = ((x / 8) + (y / 8)) % 2 == 0;
      tile.Set(x, y, light ? Rgb{210, 200, 180} : Rgb{70, 60, 80});
    }
  tile.FillRect(0, 0, kTileSize, 2, kWhite);
}

void Carpet(Canvas& tile) {
  tile.FillRect(0, 8, kTileSize, 24, kBanner);
  tile.FillRect(0, 10, kTileSize, 2, kGold);
  tile.FillRect(0, 28, kTileSize, 2, kGold);
  for (int x = 4; x < kTileSize; x += 8) FillTriangle(tile, x - 3, 20, x + 3, 20, x, 15, kGold);
  tile.FillRect(0, 8, kTileSize, 1, kInk);
}

void Throne(Canvas& tile) {
  tile.FillRect(8, 2, 16, 26, kBanner);
  tile.Frame(8, 2, 16, 26, kGold);
  tile.FillRect(6, 18, 20, 4, kGold);
  tile.FillRect(7, 22, 3, 10, kGold);
  tile.FillRect(22, 22, 3, 10, kGold);
  FillDisc(tile, 16, 8, 3, {90, 220, 255});
  OutlineShapes(tile, kNightSky, kInk);
}

void WallTorch(Canvas& tile) {
  Wall(tile);
  tile.FillRect(14, 16, 4, 12, {120, 80, 40});
  tile.FillRect(12, 15, 8, 3, kIron);
  FillEllipse(tile, 16, 10, 4, 6, {255, 120, 30});
  FillEllipse(tile, 16, 11, 2, 3, kWarmLight);
}

void StainedGlass(Canvas& tile) {
  Wall(tile);
  const Rgb panes[] = {{220, 40, 60}, {40, 120, 230}, {250, 200, 40}, {60, 190, 90}};
  FillDisc(tile, 16, 16, 11, kInk);
  for (int y = 6; y < 27; ++y)
    for (int x = 6; x < 27; ++x) {
      const int dx = x - 16;
      const int dy = y - 16;
      if (dx * dx + dy * dy < 100 && dx != 0 && dy != 0)
        tile.Set(x, y, panes[(dx > 0 ? 1 : 0) + (dy > 0 ? 2 : 0)]);
    }
}

void Roof(Canvas& tile, bool leftSide) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      const bool under = leftSide ? x >= kTileSize - 1 - y : x <= y;
      if (!under) continue;
      const bool edge = leftSide ? x == kTileSize - 1 - y : x == y;
      tile.Set(x, y, edge ? kInk : (y % 6 == 5 ? Shade(kRoof, -60) : kRoof));
    }
}

void Portcullis(Canvas& tile) {
  tile.FillRect(0, 0, kTileSize, kTileSize, kInk);
  for (int x = 3; x < kTileSize; x += 7) tile.FillRect(x, 0, 3, 28, kIron);
  for (int y = 4; y < 28; y += 8) tile.FillRect(0, y, kTileSize, 2, Shade(kIron, -30));
  for (int x = 3; x < kTileSize; x += 7) FillTriangle(tile, x, 28, x + 2, 28, x + 1, 31, kIron);
}

}  // namespace

Canvas DrawCastleTile(int column) {
  Canvas tile = BlankTile();
  switch (column) {
    case 0:
      Wall(tile);
      break;
    case 1:
      Battlement(tile);
      break;
    case 2:
      Window(tile, true);
      break;
    case 3:
      Window(tile, false);
      break;
    case 4:
      ArrowSlit(tile);
      break;
    case 5:
      Pillar(tile, false);
      break;
    case 6:
      Pillar(tile, true);
      break;
    case 7:
      Banner(tile);
      break;
    case 8:
      CheckerFloor(tile);
      break;
    case 9:
      Carpet(tile);
      break;
    case 10:
      Throne(tile);
      break;
    case 11:
      WallTorch(tile);
      break;
    case 12:
      StainedGlass(tile);
      break;
    case 13:
      Roof(tile, true);
      break;
    case 14:
      Roof(tile, false);
      break;
    case 15:
      Portcullis(tile);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
