#include "enemy_art.h"
#include "item_art.h"
#include "palette.h"
#include "pixel_font.h"
#include "poster_art.h"
#include "poster_backdrop.h"
#include "tile_codes.h"

namespace quelbrook::art {

namespace {

constexpr int kGroundTop = kPosterHeight - 34;

void Landscape(Canvas& poster) {
  for (int x = 2; x < kPosterWidth - 2; x += 32) PlaceTile(poster, tiles::kGrassGround, x, kGroundTop);
  // A grove on the left.
  PlaceTile(poster, tiles::kPineTop, 10, kGroundTop - 64);
  PlaceTile(poster, tiles::kPineLow, 10, kGroundTop - 32);
  PlaceTile(poster, tiles::kPineTop, 40, kGroundTop - 48);
  PlaceTile(poster, tiles::kPineLow, 40, kGroundTop - 32);
  PlaceTile(poster, tiles::kBush, 72, kGroundTop - 32);
  // A keep on the right.
  const int keep = kPosterWidth - 2 - 3 * 32;
  PlaceTile(poster, tiles::kBattlement, keep, kGroundTop - 96);
  PlaceTile(poster, tiles::kRoofLeft, keep + 32, kGroundTop - 96);
  PlaceTile(poster, tiles::kRoofRight, keep + 64, kGroundTop - 96);
  PlaceTile(poster, tiles::kCastleWall, keep, kGroundTop - 64);
  PlaceTile(poster, tiles::kLitWindow, keep + 32, kGroundTop - 64);
  PlaceTile(poster, tiles::kBanner, keep + 64, kGroundTop - 64);
  PlaceTile(poster, tiles::kCastleWall, keep, kGroundTop - 32);
  PlaceTile(poster, tiles::kDoorBottom, keep + 32, kGroundTop - 32);
  PlaceTile(poster, tiles::kWallTorch, keep + 64, kGroundTop - 32);
  PlaceTile(poster, tiles::kMoon, 80, 8);
}

}  // namespace

Canvas DrawTitlePicture() {
  Canvas poster = PosterBackdrop();
  Landscape(poster);
  const int centre = kPosterWidth / 2 - 10;
  DrawCentredText(poster, centre, 10, "Quelbrook", 5, kGold);
  DrawCentredText(poster, centre, 50, "FullEditor", 3, {170, 220, 255});
  DrawCentredText(poster, centre, 76, "ver.1.0", 2, kWhite);
  PlaceSprite(poster, DrawEnemy(5), 100, kGroundTop - 32);
  PlaceSprite(poster, DrawEnemy(1), 150, kGroundTop - 32);
  PlaceSprite(poster, DrawItem(1), 300, kGroundTop - 34);
  PlaceSprite(poster, DrawEnemy(15), 345, kGroundTop - 32);
  PlaceSprite(poster, DrawEnemy(0), 395, 20);
  return poster;
}

}  // namespace quelbrook::art
