#include "screen_tiles.h"

#include "demo_world.h"
#include "tile_codes.h"

namespace quelbrook::demo {

namespace {

using Tiles = std::array<std::uint8_t, kTileCount>;
constexpr int kLadderColumn = 3;  // the ladder is two tiles wide: columns 3 and 4
constexpr int kFloorRow = kGridRows - 1;

int ColumnOf(int screen) { return (screen - 1) % kWorldColumns; }
int RowOf(int screen) { return (screen - 1) / kWorldColumns; }

void Put(Tiles& tiles, int column, int row, std::uint8_t code) { tiles[row * kGridColumns + column] = code; }

// A tiny integer generator so that every screen gets its own but fixed details.
std::uint32_t Scatter(int screen, int salt) {
  std::uint32_t h =
      static_cast<std::uint32_t>(screen) * 2654435761u + static_cast<std::uint32_t>(salt) * 40503u;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  return h ^ (h >> 15);
}

bool IsLadderColumn(int column) { return column == kLadderColumn || column == kLadderColumn + 1; }

struct RegionTiles {
  std::uint8_t ceiling;
  std::uint8_t floor;
  std::uint8_t wall;
  std::uint8_t ledge;
  std::uint8_t props[4];
};

RegionTiles TilesOf(Region region) {
  switch (region) {
    case Region::kCastle:
      return {tiles::kCastleWall,
              tiles::kCheckerFloor,
              tiles::kStone,
              tiles::kStoneLedge,
              {tiles::kBarrel, tiles::kChest, tiles::kStandingTorch, tiles::kSkull}};
    case Region::kForest:
      return {tiles::kCanopyMiddle,
              tiles::kGrassGround,
              tiles::kTrunk,
              tiles::kGrassLedge,
              {tiles::kBush, tiles::kFlowers, tiles::kStump, tiles::kSignpost}};
    case Region::kCaves:
      break;
  }
  return {tiles::kCaveCeiling,
          tiles::kCaveFloor,
          tiles::kCaveRock,
          tiles::kCaveLedge,
          {tiles::kCrystals, tiles::kGlowingMushrooms, tiles::kBonePile, tiles::kGravestone}};
}

void Decorate(Tiles& tiles, int screen, Region region) {
  if (region == Region::kCastle) {
    Put(tiles, 1, 1, tiles::kLitWindow);
    Put(tiles, 6, 1, Scatter(screen, 1) % 2 ? tiles::kBanner : tiles::kWallTorch);
  } else if (region == Region::kForest) {
    const int tree = 1 + static_cast<int>(Scatter(screen, 2) % 2) * 5;  // column 1 or 6
    for (int row = 1; row < kFloorRow - 1; ++row) Put(tiles, tree, row, tiles::kTrunk);
    Put(tiles, tree, kFloorRow - 1, tiles::kTrunkRoots);
  } else {
    Put(tiles, 2, 1, tiles::kStalactites);
    const std::uint32_t pool = Scatter(screen, 7) % 3;
    if (pool < 2) Put(tiles, 6, kFloorRow, pool == 0 ? tiles::kWaterSurface : tiles::kLavaSurface);
  }
  if (region == Region::kCastle && Scatter(screen, 8) % 3 == 0)
    Put(tiles, 1, kFloorRow - 1, tiles::kSpikesUp);
  const RegionTiles kit = TilesOf(region);
  const int propColumn = Scatter(screen, 3) % 2 ? 2 : 5;
  // The forest's first look has the bush and flowers, its second the stump and signpost.
  const std::uint32_t prop = region == Region::kForest
                                 ? (InSecondForest(screen) ? 2 : 0) + Scatter(screen, 4) % 2
                                 : Scatter(screen, 4) % 4;
  Put(tiles, propColumn, kFloorRow - 1, kit.props[prop]);
}

void AddLedge(Tiles& tiles, int screen, std::uint8_t ledge) {
  const int row = 2 + static_cast<int>(Scatter(screen, 5) % 2);
  const int start = 1 + static_cast<int>(Scatter(screen, 6) % 5);
  for (int column = start; column < start + 3 && column < kGridColumns - 1; ++column)
    if (!IsLadderColumn(column)) Put(tiles, column, row, ledge);
}

}  // namespace

bool HasLadderDown(int upper) {
  const int row = RowOf(upper);
  return row < kWorldRows - 1 && (ColumnOf(upper) + row) % 3 == 0;
}

Tiles LayOutTiles(int screen) {
  const Region region = RegionOf(screen);
  const RegionTiles kit = TilesOf(region);
  Tiles tiles{};
  for (int column = 0; column < kGridColumns; ++column) {
    Put(tiles, column, 0, RowOf(screen) == 0 ? tiles::kBattlement : kit.ceiling);
    Put(tiles, column, kFloorRow, kit.floor);
  }
  if (region == Region::kForest) Put(tiles, 3, 0, tiles::kStars);  // a gap in the leaves
  Decorate(tiles, screen, region);
  AddLedge(tiles, screen, kit.ledge);
  // Walls close the world only at its rim, so every inner edge can be crossed.
  for (int row = 0; row < kGridRows; ++row) {
    if (ColumnOf(screen) == 0) Put(tiles, 0, row, kit.wall);
    if (ColumnOf(screen) == kWorldColumns - 1) Put(tiles, kGridColumns - 1, row, kit.wall);
  }
  if (HasLadderDown(screen))
    for (int column = kLadderColumn; column <= kLadderColumn + 1; ++column)
      Put(tiles, column, kFloorRow, tiles::kLadderTop);
  if (RowOf(screen) > 0 && HasLadderDown(screen - kWorldColumns))
    for (int row = 0; row < kFloorRow; ++row)
      for (int column = kLadderColumn; column <= kLadderColumn + 1; ++column)
        Put(tiles, column, row, tiles::kLadder);
  if (screen == kEndScreen) {
    Put(tiles, 3, kFloorRow - 1, tiles::kThrone);
    Put(tiles, 4, kFloorRow - 1, tiles::kThrone);
  }
  if (screen == kStartScreen) {
    Put(tiles, 5, kFloorRow - 2, tiles::kDoorTop);
    Put(tiles, 5, kFloorRow - 1, tiles::kDoorBottom);
  }
  return tiles;
}

}  // namespace quelbrook::demo
