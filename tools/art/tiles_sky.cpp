#include <cstdlib>

#include "noise.h"
#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kCloud{214, 222, 240};
constexpr Rgb kCloudShadow{140, 150, 190};
constexpr Rgb kFarHill{40, 44, 86};
constexpr Rgb kSnow{230, 236, 250};

void Stars(Canvas& tile, std::uint32_t seed, int density) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x)
      if (PixelHash(x, y, seed) % 1000 < static_cast<std::uint32_t>(density))
        tile.Set(x, y, PixelHash(x, y, seed + 1) % 3 == 0 ? kGold : Rgb{170, 180, 230});
}

void Twinkle(Canvas& tile, int cx, int cy, int arm, Rgb colour) {
  DrawLine(tile, cx - arm, cy, cx + arm, cy, colour);
  DrawLine(tile, cx, cy - arm, cx, cy + arm, colour);
  tile.Set(cx, cy, kWhite);
}

// A cloud bank built from puffs; `left` and `right` round off its ends.
void Cloud(Canvas& tile, bool left, bool right) {
  const int start = left ? 8 : -4;
  const int end = right ? 24 : 36;
  tile.FillRect(start, 18, end - start, 8, kCloudShadow);
  for (int x = start + 4; x <= end - 4; x += 8) {
    FillDisc(tile, x, 16 - (x / 8) % 2 * 3, 7, kCloudShadow);
    FillDisc(tile, x - 1, 15 - (x / 8) % 2 * 3, 6, kCloud);
  }
  tile.FillRect(start + 2, 18, end - start - 4, 4, kCloud);
  OutlineShapes(tile, kNightSky, Shade(kNightSky, 40));
}

void Mountain(Canvas& tile, int peakX, int slope, bool snowCap) {
  for (int x = 0; x < kTileSize; ++x) {
    const int top = 4 + std::abs(x - peakX) * slope / 2;
    for (int y = top; y < kTileSize; ++y) {
      Rgb rock = (x - peakX) * 3 > (y - top) ? Shade(kFarHill, -30) : kFarHill;
      if (snowCap && y < top + 5 - std::abs(x - peakX) / 3) rock = kSnow;
      tile.Set(x, y, rock);
    }
    if (!snowCap) tile.Set(x, top, Shade(kFarHill, 50));  // moonlit ridge
  }
}

}  // namespace

Canvas DrawSkyTile(int column) {
  Canvas tile = BlankTile();
  switch (column) {
    case 0:
      break;  // the blank tile: plain night sky
    case 1:
      Stars(tile, 101, 12);
      break;
    case 2:
      Stars(tile, 102, 5);
      Twinkle(tile, 15, 14, 4, {200, 210, 255});
      break;
    case 3:
      FillDisc(tile, 16, 16, 11, {250, 240, 190});
      FillDisc(tile, 21, 12, 10, kNightSky);
      Stars(tile, 103, 4);
      break;
    case 4:
      Cloud(tile, true, false);
      break;
    case 5:
      Cloud(tile, false, false);
      break;
    case 6:
      Cloud(tile, false, true);
      break;
    case 7:
      FillEllipse(tile, 16, 18, 10, 5, kCloudShadow);
      FillEllipse(tile, 14, 16, 8, 5, kCloud);
      FillDisc(tile, 19, 13, 4, kCloud);
      break;
    case 8:  // dusk glow over the horizon
      for (int y = 12; y < kTileSize; ++y)
        tile.FillRect(0, y, kTileSize, 1, Mix(kNightSky, {200, 90, 120}, (y - 12) * 10));
      break;
    case 9:
      for (int x = 0; x < kTileSize; ++x) {
        const int top = 20 - (x % 16 < 8 ? x % 8 : 8 - x % 8);
        tile.FillRect(x, top, 1, kTileSize - top, kFarHill);
        tile.Set(x, top, Shade(kFarHill, 50));
      }
      break;
    case 10:
      Mountain(tile, 16, 2, true);
      break;
    case 11:
      Mountain(tile, 31, 1, false);
      break;
    case 12:
      Mountain(tile, 0, 1, false);
      break;
    case 13:  // shooting star
      for (int i = 0; i < 14; ++i) tile.Set(6 + i, 22 - i, Mix({90, 100, 170}, kWhite, i * 18));
      Twinkle(tile, 21, 8, 2, kGold);
      break;
    case 14:  // rain
      for (int x = 1; x < kTileSize; x += 5)
        for (int y = static_cast<int>(PixelHash(x, 0, 104) % 8); y < kTileSize; y += 9) {
          DrawLine(tile, x, y, x - 1, y + 3, {110, 140, 220});
          tile.Set(x - 1, y + 3, {190, 210, 255});
        }
      break;
    case 15:  // a storm cloud with its bolt
      FillEllipse(tile, 16, 9, 14, 7, {70, 74, 110});
      FillEllipse(tile, 12, 7, 8, 5, {100, 104, 140});
      FillTriangle(tile, 16, 14, 12, 24, 17, 22, kGold);
      FillTriangle(tile, 17, 20, 14, 31, 20, 21, kGold);
      break;
  }
  return tile;
}

}  // namespace quelbrook::art
