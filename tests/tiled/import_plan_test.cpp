// What an import writes: only what differs, and the game-wide settings by their own rules.
#include <gtest/gtest.h>

#include "editor_error.h"
#include "end_screen_patch.h"
#include "rom_builder.h"
#include "screen_decoding.h"
#include "test_worlds.h"
#include "world_import.h"

namespace quelbrook::testing {
namespace {

TEST(WorldImportPlan, AnUnchangedWorldWritesNothing) {
  const WorldImportPlan plan = PlanWorldImport(DistinctWorld(), DistinctWorld());
  EXPECT_TRUE(plan.patches.empty());
  EXPECT_EQ(DescribeWorldImport(plan), QStringList{"nothing changed"});
}

TEST(WorldImportPlan, OnlyTheRecordsThatDifferAreWrittenWhole) {
  WorldData map = DistinctWorld();
  map.screens[4].tiles[0] ^= 1;
  map.screens[99].enemyDestinations[3] = 255;
  const WorldImportPlan plan = PlanWorldImport(DistinctWorld(), map);
  ASSERT_EQ(plan.patches.size(), 2u);
  EXPECT_EQ(plan.patches[0].offset, ScreenRecordOffset(5));
  EXPECT_EQ(plan.patches[1].offset, ScreenRecordOffset(100));
  EXPECT_EQ(plan.patches[1].bytes.size(), static_cast<std::size_t>(kScreenRecordLength));
  EXPECT_EQ(plan.patches[1].bytes[kRecordEnemyDestinations + 3], 255);
  EXPECT_EQ(DescribeWorldImport(plan), QStringList{"screens changed: 5 100"});
}

TEST(WorldImportPlan, StartScreenAndEndingTextAreWrittenWhenChanged) {
  WorldData map = DistinctWorld();
  map.startScreen = 1;
  map.endingText[0] = u'A';
  const WorldImportPlan plan = PlanWorldImport(DistinctWorld(), map);
  ASSERT_EQ(plan.patches.size(), 2u);
  EXPECT_EQ(plan.patches[0].offset, kStartScreenOffset);
  EXPECT_EQ(plan.patches[0].bytes, std::vector<std::uint8_t>{218});
  EXPECT_EQ(plan.patches[1].offset, kEndingTextOffset);
  EXPECT_EQ(plan.patches[1].bytes.size(), static_cast<std::size_t>(kEndingTextLength));
  EXPECT_EQ(plan.patches[1].bytes[0], 0x41);
  EXPECT_EQ(DescribeWorldImport(plan), (QStringList{"start screen changed to 1", "ending text changed"}));
}

TEST(WorldImportPlan, AChangedEndScreenGoesThroughTheEndScreenSave) {
  WorldData map = DistinctWorld();
  map.endScreen = 20;
  const WorldImportPlan plan = PlanWorldImport(DistinctWorld(), map);
  const auto save = PlanEndScreenSave(20, EndCodeBlockOffset(9));
  ASSERT_EQ(plan.patches.size(), save.size());
  for (std::size_t i = 0; i < save.size(); ++i) {
    EXPECT_EQ(plan.patches[i].offset, save[i].offset);
    EXPECT_EQ(plan.patches[i].bytes, save[i].bytes);
  }
  EXPECT_EQ(plan.newEndScreen, 20);

  map.endScreen = 110;
  EXPECT_THROW(PlanWorldImport(DistinctWorld(), map), EditorError);
}

TEST(WorldImportPlan, StartAndEndScreensCannotBeTakenAway) {
  WorldData map = DistinctWorld();
  map.endScreen.reset();
  EXPECT_THROW(PlanWorldImport(DistinctWorld(), map), EditorError);
  map = DistinctWorld();
  map.startScreen.reset();
  EXPECT_THROW(PlanWorldImport(DistinctWorld(), map), EditorError);
}

}  // namespace
}  // namespace quelbrook::testing
