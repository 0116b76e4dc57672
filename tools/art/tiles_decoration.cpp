#include "palette.h"
#include "shapes.h"
#include "tile_kit.h"
#include "tile_rows.h"

namespace quelbrook::art {

namespace {

constexpr Rgb kClay{200, 110, 70};
constexpr Rgb kBoneWhite{236, 228, 200};
constexpr Rgb kFlame{255, 140, 30};

void Chest(Canvas& tile) {
  tile.FillRect(4, 12, 24, 18, kWood);
  FillEllipse(tile, 16, 12, 12, 5, Shade(kWood, 20));
  tile.FillRect(4, 12, 24, 2, kGold);
  tile.FillRect(4, 27, 24, 2, kGold);
  tile.FillRect(13, 14, 6, 6, kGold);
  tile.Set(16, 16, kInk);
  tile.Set(16, 17, kInk);
}

void Barrel(Canvas& tile) {
  FillEllipse(tile, 16, 17, 11, 14, kWood);
  for (int x = 8; x < 26; x += 5) DrawLine(tile, x, 5, x, 29, Shade(kWood, -60));
  tile.FillRect(5, 9, 22, 2, kIron);
  tile.FillRect(5, 24, 22, 2, kIron);
  FillEllipse(tile, 16, 4, 8, 2, Shade(kWood, 40));
}

void Crate(Canvas& tile) {
  tile.FillRect(3, 6, 26, 26, kWood);
  tile.Frame(3, 6, 26, 26, Shade(kWood, -90));
  tile.Frame(5, 8, 22, 22, Shade(kWood, -60));
  DrawLine(tile, 5, 8, 26, 29, Shade(kWood, -60));
  DrawLine(tile, 6, 8, 27, 29, Shade(kWood, 40));
}

void Pot(Canvas& tile) {
  FillEllipse(tile, 16, 21, 10, 10, kClay);
  tile.FillRect(11, 6, 10, 6, kClay);
  tile.FillRect(9, 5, 14, 3, Shade(kClay, 30));
  tile.FillRect(7, 20, 18, 2, Shade(kClay, -60));
  FillDisc(tile, 11, 17, 2, Shade(kClay, 80));
}

void StandingTorch(Canvas& tile) {
  tile.FillRect(14, 14, 4, 18, Shade(kWood, -30));
  tile.FillRect(11, 12, 10, 4, kIron);
  FillEllipse(tile, 16, 7, 5, 7, kFlame);
  FillEllipse(tile, 16, 9, 2, 4, {255, 240, 130});
}

void Candles(Canvas& tile) {
  const int candles[][2] = {{10, 16}, {17, 12}, {24, 18}};
  for (const auto& c : candles) {
    tile.FillRect(c[0] - 2, c[1], 5, kTileSize - 4 - c[1], {240, 236, 220});
    FillEllipse(tile, c[0], c[1] - 4, 2, 3, kFlame);
    tile.Set(c[0], c[1] - 3, {255, 250, 180});
  }
  tile.FillRect(4, 28, 24, 3, kGold);
}

void Skull(Canvas& tile) {
  FillEllipse(tile, 16, 18, 10, 9, kBoneWhite);
  tile.FillRect(10, 24, 12, 6, kBoneWhite);
  FillDisc(tile, 12, 18, 3, kInk);
  FillDisc(tile, 20, 18, 3, kInk);
  FillTriangle(tile, 15, 22, 17, 22, 16, 24, kInk);
  for (int x = 12; x < 21; x += 3) tile.FillRect(x, 27, 1, 3, kInk);
}

void Signpost(Canvas& tile) {
  tile.FillRect(14, 12, 4, 20, Shade(kWood, -30));
  tile.FillRect(3, 4, 24, 11, kWood);
  FillTriangle(tile, 27, 4, 27, 14, 31, 9, kWood);
  for (int x = 6; x < 24; x += 4) tile.FillRect(x, 9, 2, 2, Shade(kWood, -100));
}

void Fence(Canvas& tile) {
  tile.FillRect(0, 14, kTileSize, 3, kWood);
  tile.FillRect(0, 24, kTileSize, 3, kWood);
  for (int x = 2; x < kTileSize; x += 10) {
    tile.FillRect(x, 8, 6, 24, Shade(kWood, 20));
    FillTriangle(tile, x, 8, x + 5, 8, x + 2, 4, Shade(kWood, 20));
  }
}

void Gravestone(Canvas& tile) {
  tile.FillRect(7, 12, 18, 18, kStone);
  FillEllipse(tile, 16, 12, 9, 8, kStone);
  tile.FillRect(15, 8, 2, 12, Shade(kStone, -90));
  tile.FillRect(11, 12, 10, 2, Shade(kStone, -90));
  tile.FillRect(3, 29, 26, 3, Shade(kGrass, -40));
}

void Statue(Canvas& tile) {
  tile.FillRect(6, 26, 20, 6, kStone);
  FillDisc(tile, 16, 7, 4, {200, 200, 214});
  tile.FillRect(11, 12, 10, 14, {200, 200, 214});
  FillTriangle(tile, 21, 13, 29, 5, 26, 14, {200, 200, 214});
  tile.FillRect(9, 26, 14, 1, Shade(kStone, -80));
}

void Lantern(Canvas& tile) {
  DrawLine(tile, 16, 0, 16, 6, kIron);
  tile.FillRect(9, 6, 14, 3, kIron);
  tile.FillRect(10, 9, 12, 14, {255, 214, 100});
  tile.Frame(10, 9, 12, 14, kIron);
  tile.FillRect(15, 9, 2, 14, kIron);
  tile.FillRect(9, 23, 14, 3, kIron);
}

void Bones(Canvas& tile) {
  DrawLine(tile, 4, 26, 27, 16, kBoneWhite);
  DrawLine(tile, 4, 27, 27, 17, kBoneWhite);
  DrawLine(tile, 6, 15, 26, 28, kBoneWhite);
  DrawLine(tile, 6, 16, 26, 29, kBoneWhite);
  const int ends[][2] = {{4, 26}, {27, 16}, {6, 15}, {26, 28}};
  for (const auto& e : ends) FillDisc(tile, e[0], e[1], 2, kBoneWhite);
}

void Key(Canvas& tile) {
  DrawRing(tile, 10, 16, 6, 3, kGold);
  tile.FillRect(15, 15, 14, 3, kGold);
  tile.FillRect(22, 18, 2, 5, kGold);
  tile.FillRect(26, 18, 2, 4, kGold);
}

void FlowerPot(Canvas& tile) {
  FillTriangle(tile, 8, 20, 24, 20, 16, 34, kClay);
  tile.FillRect(10, 20, 12, 11, kClay);
  tile.FillRect(7, 18, 18, 3, Shade(kClay, 30));
  DrawLine(tile, 16, 18, 16, 9, kGrass);
  FillDisc(tile, 16, 7, 4, {240, 80, 150});
  FillDisc(tile, 16, 7, 1, kGold);
  FillEllipse(tile, 12, 13, 3, 1, kGrass);
}

void HeartShrine(Canvas& tile) {
  tile.FillRect(8, 24, 16, 8, kStone);
  FillDisc(tile, 12, 10, 5, {230, 40, 80});
  FillDisc(tile, 20, 10, 5, {230, 40, 80});
  FillTriangle(tile, 7, 12, 25, 12, 16, 22, {230, 40, 80});
  tile.Set(11, 8, kWhite);
}

}  // namespace

Canvas DrawDecorationTile(int column) {
  using Painter = void (*)(Canvas&);
  static constexpr Painter kPainters[kTilesPerRow] = {
      Chest, Barrel,     Crate,  Pot,     StandingTorch, Candles, Skull,     Signpost,
      Fence, Gravestone, Statue, Lantern, Bones,         Key,     FlowerPot, HeartShrine,
  };
  Canvas tile = BlankTile();
  kPainters[column](tile);
  OutlineShapes(tile, kNightSky, kInk);
  return tile;
}

}  // namespace quelbrook::art
