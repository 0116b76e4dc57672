// The demo world's ways, walked cell by cell with the game's solid tiles: a hero smaller
// than a cell reaches exactly the open cells joined by sides, across screen edges too.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "byte_map.h"
#include "demo_world.h"
#include "solid_tiles.h"
#include "tile_codes.h"

namespace quelbrook::testing {
namespace {

struct Cell {
  int screen;  // 1..128
  int column;
  int row;
};

class DemoWorldWays : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int screen = 1; screen <= kScreenCount; ++screen) world_.push_back(demo::DesignScreen(screen).tiles);
  }

  // Screens the hero can enter from the start screen's middle, leaving out `closed` screens
  // and letting `treatedSolid` stop it too.
  std::set<int> ScreensReached(const std::set<int>& closed = {}, int treatedSolid = -1) const {
    std::set<int> screens;
    std::vector<bool> seen(kScreenCount * kTileCount);
    std::vector<Cell> next{{demo::kStartScreen, 3, 2}};
    while (!next.empty()) {
      const Cell cell = next.back();
      next.pop_back();
      if (cell.screen < 1 || cell.screen > kScreenCount || closed.count(cell.screen)) continue;
      const int index = (cell.screen - 1) * kTileCount + cell.row * kGridColumns + cell.column;
      const int code = world_[cell.screen - 1][cell.row * kGridColumns + cell.column];
      if (seen[index] || tiles::IsSolidTile(code) || code == treatedSolid) continue;
      seen[index] = true;
      screens.insert(cell.screen);
      next.push_back(Step(cell, 1, 0));
      next.push_back(Step(cell, -1, 0));
      next.push_back(Step(cell, 0, 1));
      next.push_back(Step(cell, 0, -1));
    }
    return screens;
  }

 private:
  // The cell beside `cell`, in the neighbouring screen past an edge (the game's N +- 1, N +- 16).
  static Cell Step(Cell cell, int across, int down) {
    cell.column += across;
    cell.row += down;
    if (cell.column < 0 || cell.column >= kGridColumns) {
      cell.screen += across;
      cell.column -= across * kGridColumns;
    }
    if (cell.row < 0 || cell.row >= kGridRows) {
      cell.screen += down * kWorldColumns;
      cell.row -= down * kGridRows;
    }
    return cell;
  }

  std::vector<std::array<std::uint8_t, kTileCount>> world_;
};

TEST_F(DemoWorldWays, TheThroneRoomIsReachedThroughTheCavesAndTheWeakWallAlone) {
  EXPECT_TRUE(ScreensReached().count(demo::kEndScreen));
  EXPECT_FALSE(ScreensReached({}, tiles::kCrackedStone).count(demo::kEndScreen))
      << "only the weak wall leads on";

  std::set<int> caves;
  for (int screen = 5 * kWorldColumns + 1; screen <= kScreenCount; ++screen) caves.insert(screen);
  const std::set<int> aboveGround = ScreensReached(caves);
  EXPECT_TRUE(aboveGround.count(24)) << "the shut west wing is open to all";
  EXPECT_FALSE(aboveGround.count(31)) << "the servants' stair is reached from the caves";
  EXPECT_FALSE(aboveGround.count(25)) << "the gate is shut";
}

}  // namespace
}  // namespace quelbrook::testing
