// Edits of the world document, each checked with its undo and redo right after it.
#include <QSignalSpy>

#include "editor_error.h"
#include "screen_decoding.h"
#include "world_cells.h"
#include "world_fixture.h"

namespace quelbrook::testing {
namespace {

TEST_F(WorldDocumentTest, ReadsEveryRecordAndTheStartScreenAsStored) {
  for (int screen = 1; screen <= kScreenCount; ++screen)
    ASSERT_EQ(document->record(screen), DistinctRecord(screen));
  EXPECT_EQ(document->startScreen(), 55);
  EXPECT_FALSE(document->endScreen().has_value());
  EXPECT_FALSE(document->hasUnsavedChanges());
}

TEST_F(WorldDocumentTest, WorldCellsMapOntoScreensRowByRow) {
  EXPECT_EQ(document->tile({0, 0}), DistinctRecord(1)[0]);
  EXPECT_EQ(document->tile({7, 5}), DistinctRecord(1)[47]);
  EXPECT_EQ(document->tile({8, 0}), DistinctRecord(2)[0]);
  EXPECT_EQ(document->tile({0, 6}), DistinctRecord(17)[0]);
  EXPECT_EQ(document->tile({127, 47}), DistinctRecord(128)[47]);
  EXPECT_EQ(CellOfTile(18, 9), QPoint(9, 7));
  EXPECT_EQ(CellsOfScreen(128), QRect(120, 42, 8, 6));
}

TEST_F(WorldDocumentTest, AStrokeAcrossAScreenBorderIsOneStep) {
  QSignalSpy repainted(document.get(), &WorldDocument::cellsChanged);
  document->paint({7, 0}, 0x1F, 1);
  document->paint({8, 0}, 0x1F, 1);
  document->paint({9, 0}, 0x1F, 1);
  document->paint({9, 0}, 0x1F, 1);  // passed again: nothing more to change
  ASSERT_EQ(History().count(), 1);
  EXPECT_EQ(History().text(0), "Paint 3 cells with tile 1F");
  EXPECT_EQ(Tile(1, 7), 0x1F);
  EXPECT_EQ(Tile(2, 0), 0x1F);
  EXPECT_EQ(Tile(2, 1), 0x1F);
  EXPECT_EQ(repainted.size(), 3) << "each cell repaints only itself";
  EXPECT_EQ(repainted[0][0].toRect(), QRect(7, 0, 1, 1));
  EXPECT_EQ(document->changedScreens(), (std::vector<int>{1, 2}));

  History().undo();
  EXPECT_EQ(document->record(1), DistinctRecord(1));
  EXPECT_EQ(document->record(2), DistinctRecord(2));
  EXPECT_FALSE(document->hasUnsavedChanges());
  History().redo();
  EXPECT_EQ(Tile(2, 1), 0x1F);

  document->paint({20, 20}, 0x1F, 2);
  EXPECT_EQ(History().count(), 2) << "a new stroke is a new step";
}

TEST_F(WorldDocumentTest, FillStaysInItsScreenAndOnItsTile) {
  // Screen 1 all tile 5 but a wall of tile 9 in column 3; screen 2 all tile 5 too.
  RecordBytes first = DistinctRecord(1), second = DistinctRecord(2);
  for (int i = 0; i < kTileCount; ++i) {
    first[static_cast<std::size_t>(i)] = i % kGridColumns == 3 ? 9 : 5;
    second[static_cast<std::size_t>(i)] = 5;
  }
  RomBuilder().DistinctScreens().Record(1, first).Record(2, second).Write(RomPath());
  Open();
  document->fill({0, 0}, 0x22);
  EXPECT_EQ(History().text(0), "Fill 18 cells of screen 1 with tile 22");
  for (int i = 0; i < kTileCount; ++i) {
    const int column = i % kGridColumns;
    EXPECT_EQ(Tile(1, i), column < 3 ? 0x22 : column == 3 ? 9 : 5) << i;
  }
  EXPECT_EQ(document->record(2), second);
  History().undo();
  EXPECT_EQ(document->record(1), first);
  History().redo();
  EXPECT_EQ(Tile(1, 40), 0x22);
  document->fill({0, 0}, 0x22);
  EXPECT_EQ(History().count(), 1) << "a fill that changes nothing is no step";
}

TEST_F(WorldDocumentTest, CopyCutAndPasteRectanglesOfCells) {
  const QRect cells(6, 4, 4, 3);  // across screens 1, 2, 17 and 18
  const TileBlock block = document->copyCells(cells);
  ASSERT_EQ(block.width, 4);
  ASSERT_EQ(block.height, 3);
  EXPECT_EQ(block.at(0, 0), document->tile({6, 4}));
  EXPECT_EQ(block.at(3, 2), document->tile({9, 6}));

  document->clearCells(cells, "Cut");
  EXPECT_EQ(History().text(0), "Cut 12 cells");
  for (int y = 4; y < 7; ++y)
    for (int x = 6; x < 10; ++x) EXPECT_EQ(document->tile({x, y}), 0);
  EXPECT_EQ(document->changedScreens(), (std::vector<int>{1, 2, 17, 18}));

  document->pasteCells({125, 46}, block);  // only 3 x 2 of it lies inside the world
  EXPECT_EQ(History().text(1), "Paste 4 x 3 cells at screen 128");
  EXPECT_EQ(document->tile({125, 46}), block.at(0, 0));
  EXPECT_EQ(document->tile({127, 47}), block.at(2, 1));

  History().undo();
  EXPECT_EQ(document->record(128), DistinctRecord(128));
  History().undo();
  EXPECT_EQ(document->tile({6, 4}), block.at(0, 0));
  EXPECT_FALSE(document->hasUnsavedChanges());
  History().redo();
  History().redo();
  EXPECT_EQ(document->tile({127, 47}), block.at(2, 1));
}

TEST_F(WorldDocumentTest, MovingAnObjectChangesOnlyItsDestination) {
  document->moveObject(7, 2, 35);
  const RecordBytes moved = document->record(7);
  for (std::size_t i = 0; i < moved.size(); ++i)
    EXPECT_EQ(moved[i], i == kRecordEnemyDestinations + 1 ? 35 : DistinctRecord(7)[i]) << i;
  EXPECT_EQ(History().text(0), "Move enemy 2 of screen 7 to 35");
  document->moveObject(7, 0, 191);
  EXPECT_EQ(document->record(7)[kRecordItemDestination], 191);
  History().undo();
  History().undo();
  EXPECT_EQ(document->record(7), DistinctRecord(7));
  History().redo();
  EXPECT_EQ(document->record(7), moved);
}

TEST_F(WorldDocumentTest, WholeScreensArePastedSwappedAndCleared) {
  QSignalSpy screens(document.get(), &WorldDocument::screensChanged);
  document->putRecord(9, DistinctRecord(4));
  EXPECT_EQ(document->record(9), DistinctRecord(4));
  document->swapScreens(3, 5);
  EXPECT_EQ(document->record(3), DistinctRecord(5));
  EXPECT_EQ(document->record(5), DistinctRecord(3));
  document->clearScreen(5);
  RecordBytes cleared = DistinctRecord(3);
  std::fill_n(cleared.begin(), kTileCount, 0);
  EXPECT_EQ(document->record(5), cleared) << "only the tiles are cleared";
  ASSERT_EQ(History().count(), 3);
  EXPECT_EQ(History().text(1), "Swap screens 3 and 5");
  EXPECT_EQ(screens.size(), 3);

  History().undo();
  EXPECT_EQ(document->record(5), DistinctRecord(3));
  History().undo();
  EXPECT_EQ(document->record(3), DistinctRecord(3));
  EXPECT_EQ(document->record(5), DistinctRecord(5));
  History().undo();
  EXPECT_FALSE(document->hasUnsavedChanges());
  History().redo();
  History().redo();
  EXPECT_EQ(document->record(3), DistinctRecord(5));
  document->swapScreens(4, 4);
  EXPECT_EQ(History().index(), 2) << "swapping a screen with itself is no step";
}

TEST_F(WorldDocumentTest, TheStartScreenIsAnUndoableChange) {
  QSignalSpy marks(document.get(), &WorldDocument::marksChanged);
  document->setStartScreen(3);
  EXPECT_EQ(document->startScreen(), 3);
  EXPECT_TRUE(document->hasUnsavedChanges());
  EXPECT_TRUE(document->changedScreens().empty());
  EXPECT_EQ(marks.size(), 1);
  History().undo();
  EXPECT_EQ(document->startScreen(), 55);
  EXPECT_FALSE(document->hasUnsavedChanges());
  History().redo();
  EXPECT_EQ(document->startScreen(), 3);
}

TEST_F(WorldDocumentTest, AnEndScreenIsShownOnlyForARealHook) {
  RomBuilder()
      .DistinctScreens()
      .Hook(0x20, static_cast<std::uint16_t>(EndCodeBlockAddress(28)))
      .Write(RomPath());
  Open();
  EXPECT_EQ(document->endScreen(), 28);
  RomBuilder().DistinctScreens().Hook(0x20, 0x1234).Write(RomPath());
  Open();
  EXPECT_FALSE(document->endScreen().has_value());
}

TEST_F(WorldDocumentTest, AMissingOrShortRomIsRefused) {
  WriteFile(RomPath(), std::vector<std::uint8_t>(20000, 0));
  EXPECT_THROW(Open(), EditorError);
  std::filesystem::remove(RomPath());
  EXPECT_THROW(Open(), EditorError);
}

}  // namespace
}  // namespace quelbrook::testing
