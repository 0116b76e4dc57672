#include "screen_tiles.h"

#include "demo_world.h"
#include "tile_codes.h"
#include "world_plan.h"

namespace quelbrook::demo {

namespace {

using Tiles = std::array<std::uint8_t, kTileCount>;
constexpr int kLadderColumn = 3;  // the ladder is two tiles wide: columns 3 and 4
constexpr int kFloorRow = kGridRows - 1;
// Rows 2 and 3 are the walk across every screen and columns 3 and 4 the climb: props
// keep to rows 1 and 4 beside the ladder, so only a designed wall closes a way.
constexpr int kHighRow = 1;
constexpr int kLowRow = kFloorRow - 1;

int ColumnOf(int screen) { return (screen - 1) % kWorldColumns; }
int RowOf(int screen) { return (screen - 1) / kWorldColumns; }

void Put(Tiles& tiles, int column, int row, std::uint8_t code) { tiles[row * kGridColumns + column] = code; }

void PutColumn(Tiles& tiles, int column, int firstRow, int lastRow, std::uint8_t code) {
  for (int row = firstRow; row <= lastRow; ++row) Put(tiles, column, row, code);
}

// A tiny integer generator so that every screen gets its own but fixed details.
std::uint32_t Scatter(int screen, int salt) {
  std::uint32_t h =
      static_cast<std::uint32_t>(screen) * 2654435761u + static_cast<std::uint32_t>(salt) * 40503u;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  return h ^ (h >> 15);
}

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
  const RegionTiles kit = TilesOf(region);
  const bool west = Scatter(screen, 3) % 2 == 0;
  const int ledgeColumn = west ? 1 : 5;
  if (region == Region::kCastle) {
    Put(tiles, west ? 6 : 1, kHighRow, tiles::kLitWindow);
    Put(tiles, ledgeColumn, kHighRow, tiles::kStoneLedge);
    Put(tiles, ledgeColumn + 1, kHighRow, Scatter(screen, 1) % 2 ? tiles::kBanner : tiles::kWallTorch);
    if (Scatter(screen, 8) % 3 == 0) Put(tiles, 1, kLowRow, tiles::kSpikesUp);
  } else {
    Put(tiles, ledgeColumn, kHighRow, kit.ledge);
    Put(tiles, ledgeColumn + 1, kHighRow, kit.ledge);
    if (region == Region::kCaves) {
      Put(tiles, west ? 5 : 2, kHighRow, tiles::kStalactites);
      const std::uint32_t pool = Scatter(screen, 7) % 3;
      if (pool < 2) Put(tiles, 6, kFloorRow, pool == 0 ? tiles::kWaterSurface : tiles::kLavaSurface);
    }
  }
  // The forest's first look has the bush and flowers, its second the stump and signpost.
  const std::uint32_t prop = region == Region::kForest
                                 ? (InSecondForest(screen) ? 2 : 0) + Scatter(screen, 4) % 2
                                 : Scatter(screen, 4) % 4;
  Put(tiles, west ? 5 : 2, kLowRow, kit.props[prop]);
}

void AddFeature(Tiles& tiles, Feature feature, const RegionTiles& kit) {
  switch (feature) {
    case Feature::kNone:
      break;
    case Feature::kTreeWall:
      PutColumn(tiles, 5, 1, kLowRow - 1, tiles::kTrunk);
      Put(tiles, 5, kLowRow, tiles::kTrunkRoots);
      break;
    case Feature::kRockWall:
      PutColumn(tiles, kGridColumns - 1, 1, kLowRow, kit.wall);
      break;
    case Feature::kLake:
      for (int column = 2; column <= 5; ++column) {
        Put(tiles, column, kHighRow, tiles::kWaterSurface);
        Put(tiles, column, 2, tiles::kBridgePlanks);
        PutColumn(tiles, column, 3, kLowRow, tiles::kDeepWater);
      }
      break;
    case Feature::kGate:
      PutColumn(tiles, 0, 1, kLowRow, tiles::kPortcullis);
      break;
    case Feature::kWeakWall:
      PutColumn(tiles, 5, 1, kLowRow, tiles::kStone);
      PutColumn(tiles, 5, 2, 3, tiles::kCrackedStone);
      break;
    case Feature::kStartDoor:
      Put(tiles, 6, kLowRow - 1, tiles::kDoorTop);
      Put(tiles, 6, kLowRow, tiles::kDoorBottom);
      break;
    case Feature::kThrone:
      Put(tiles, kLadderColumn, kLowRow, tiles::kThrone);
      Put(tiles, kLadderColumn + 1, kLowRow, tiles::kThrone);
      break;
  }
}

}  // namespace

Tiles LayOutTiles(int screen) {
  const Region region = RegionOf(screen);
  const RegionTiles kit = TilesOf(region);
  Tiles tiles{};
  for (int column = 0; column < kGridColumns; ++column) {
    Put(tiles, column, 0, RowOf(screen) == 0 ? tiles::kBattlement : kit.ceiling);
    Put(tiles, column, kFloorRow, kit.floor);
  }
  if (region == Region::kForest) Put(tiles, 6, 0, tiles::kStars);  // a gap in the leaves
  Decorate(tiles, screen, region);
  // The rim of the world is walled, so that the rows do not join end to end.
  if (ColumnOf(screen) == 0) PutColumn(tiles, 0, 0, kFloorRow, kit.wall);
  if (ColumnOf(screen) == kWorldColumns - 1) PutColumn(tiles, kGridColumns - 1, 0, kFloorRow, kit.wall);
  if (HasLadderDown(screen))
    for (int column = kLadderColumn; column <= kLadderColumn + 1; ++column)
      Put(tiles, column, kFloorRow, tiles::kLadderTop);
  if (RowOf(screen) > 0 && HasLadderDown(screen - kWorldColumns))
    for (int column = kLadderColumn; column <= kLadderColumn + 1; ++column)
      PutColumn(tiles, column, 0, kFloorRow - 1, tiles::kLadder);
  if (const DesignedScreen* designed = DesignedScreenOf(screen)) AddFeature(tiles, designed->feature, kit);
  return tiles;
}

}  // namespace quelbrook::demo
