// The world editor driven as a user drives it: strokes, picks, selections, stamps,
// fills, marker drags and the screen menu, each undone and redone, then saved.
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include "picture_folder.h"
#include "rom_watcher.h"
#include "world_editor_fixture.h"

namespace quelbrook::testing {
namespace {

TEST_F(WorldEditorTest, AStrokeAcrossAScreenBorderIsOneUndoStepAndSavesTwoRecords) {
  ChooseTile(0x1F);
  EXPECT_EQ(Canvas()->chosenTile(), 0x1F);
  Drag(At({6, 1}), At({9, 1}));
  for (int x = 6; x <= 9; ++x) EXPECT_EQ(Tile({x, 1}), 0x1F) << x;
  ASSERT_EQ(History().count(), 1);
  EXPECT_EQ(History().text(0), "Paint 4 cells with tile 1F");
  EXPECT_TRUE(editor->isWindowModified());

  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(Document().record(1), DistinctRecord(1));
  EXPECT_EQ(Document().record(2), DistinctRecord(2));
  EXPECT_FALSE(editor->isWindowModified());
  Ctrl(Qt::Key_Y, 'Y');
  EXPECT_EQ(Tile({9, 1}), 0x1F);
  SaveAndExpectOnly({1, 2});
  EXPECT_FALSE(editor->isWindowModified());
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(2) + 9], 0x1F);
}

TEST_F(WorldEditorTest, AFastDragLeavesNoGapsBetweenCells) {
  ChooseTile(0x20);
  Press(At({1, 1}));
  MoveTo(At({6, 4}));
  Release(At({6, 4}));
  for (QPoint cell : {QPoint(1, 1), QPoint(2, 2), QPoint(4, 3), QPoint(6, 4)}) EXPECT_EQ(Tile(cell), 0x20);
}

TEST_F(WorldEditorTest, RightClickPicksTheTileUnderTheCursor) {
  ClickAt(At({10, 3}), Qt::RightButton);
  EXPECT_EQ(Canvas()->chosenTile(), Tile({10, 3}));
  EXPECT_EQ(editor->tilePalette()->chosen(), Tile({10, 3}));
  EXPECT_EQ(History().count(), 0);
}

TEST_F(WorldEditorTest, SelectCopyAndPasteAStampThenCutAndDelete) {
  Drag(At({6, 4}), At({9, 6}), Qt::ShiftModifier);  // 4 x 3 cells over four screens
  EXPECT_EQ(Canvas()->selection(), QRect(6, 4, 4, 3));
  const TileBlock copied = Document().copyCells(QRect(6, 4, 4, 3));
  Ctrl(Qt::Key_C, 'C');
  EXPECT_EQ(QApplication::clipboard()->text(), TileBlockText(copied));
  EXPECT_EQ(History().count(), 0);

  Ctrl(Qt::Key_V, 'V');
  EXPECT_TRUE(Canvas()->hasStamp());
  MoveTo(At({20, 10}));
  ClickAt(At({20, 10}));
  EXPECT_FALSE(Canvas()->hasStamp());
  EXPECT_EQ(Tile({20, 10}), copied.at(0, 0));
  EXPECT_EQ(Tile({23, 12}), copied.at(3, 2));
  EXPECT_EQ(History().text(0), "Paste 4 x 3 cells at screen 19");

  Ctrl(Qt::Key_V, 'V');
  Key(Qt::Key_Escape, {}, "\x1b");
  EXPECT_FALSE(Canvas()->hasStamp());
  ClickAt(At({40, 20}));  // paints as usual again
  EXPECT_EQ(History().count(), 2);

  Ctrl(Qt::Key_X, 'X');
  EXPECT_EQ(History().text(2), "Cut 12 cells");
  EXPECT_EQ(Tile({6, 4}), 0);
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(Tile({6, 4}), copied.at(0, 0));
  Key(Qt::Key_Delete, {}, "\x7f");
  EXPECT_EQ(History().text(2), "Clear 12 cells");
  EXPECT_EQ(Tile({9, 6}), 0);
  Ctrl(Qt::Key_Z, 'Z');
  Ctrl(Qt::Key_Z, 'Z');
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(Tile({20, 10}), DistinctRecord(19)[kRecordTiles + 4 * 8 + 4]);
  Ctrl(Qt::Key_Y, 'Y');
  EXPECT_EQ(Tile({20, 10}), copied.at(0, 0));
  SaveAndExpectOnly({19, 20, 35, 36});
}

TEST_F(WorldEditorTest, TilesCopiedInOneEditorPasteIntoAnother) {
  QApplication::clipboard()->setText("Quelbrook tiles 2x1\n1F 2A\n");
  MoveTo(At({3, 3}));
  Ctrl(Qt::Key_V, 'V');
  ClickAt(At({3, 3}));
  EXPECT_EQ(Tile({3, 3}), 0x1F);
  EXPECT_EQ(Tile({4, 3}), 0x2A);
  QApplication::clipboard()->setText("just words");
  Ctrl(Qt::Key_V, 'V');
  EXPECT_FALSE(Canvas()->hasStamp());
  EXPECT_TRUE(LastMessage().startsWith("The clipboard holds no tiles")) << LastMessage().toStdString();
}

TEST_F(WorldEditorTest, CtrlClickFillsTheConnectedCellsOfThatScreen) {
  // Screen 1 painted all 0x1F first, then a fill of tile 0x30 from one corner.
  ChooseTile(0x1F);
  Press(At({0, 0}));
  for (int y = 0; y < 6; ++y) MoveTo(At({y % 2 ? 0 : 7, y})), MoveTo(At({y % 2 ? 7 : 0, y}));
  Release(At({0, 5}));
  ChooseTile(0x30);
  ClickAt(At({2, 2}), Qt::LeftButton, Qt::ControlModifier);
  for (int i = 0; i < kTileCount; ++i) EXPECT_EQ(Document().record(1)[i], 0x30) << i;
  EXPECT_EQ(Document().record(2), DistinctRecord(2)) << "the fill stays in its screen";
  EXPECT_EQ(History().count(), 2);
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(Document().record(1)[10], 0x1F);
  Ctrl(Qt::Key_Y, 'Y');
  SaveAndExpectOnly({1});
}

TEST_F(WorldEditorTest, DraggingAMarkerMovesItOnTheDestinationGrid) {
  const int screen = 18;
  // Enemy 4 lies on top; whichever marker is topmost at its place is the one dragged.
  const QPoint from = Canvas()->objectCentre(screen, 4);
  const QPoint target =
      Canvas()->cellCentre(CellOfTile(screen, 8 * 5 + 7)) + QPoint(8, 8);  // column 15, row 11
  Drag(from, target);
  EXPECT_EQ(Document().record(screen)[kRecordEnemyDestinations + 3], 191);
  EXPECT_EQ(History().text(0), "Move enemy 4 of screen 18 to 191");
  for (int i = 0; i < kTileCount; ++i) EXPECT_EQ(Document().record(screen)[i], DistinctRecord(screen)[i]);
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(Document().record(screen), DistinctRecord(screen));
  Ctrl(Qt::Key_Y, 'Y');
  SaveAndExpectOnly({screen});
}

TEST_F(WorldEditorTest, AClickOrADragBackToTheStartLeavesAMarkerAsStored) {
  const int screen = 18;
  const std::size_t itemDestination = ScreenRecordOffset(screen) + kRecordItemDestination;
  auto rom = RomBytes();
  rom[itemDestination] = 255;  // "unset", shown at 0
  WriteFile(RomPath(), rom);
  Document().reloadAll();
  original = RomBytes();

  ClickAt(Canvas()->objectCentre(screen, 0));
  const QPoint enemy = Canvas()->objectCentre(screen, 4);
  ClickAt(enemy);
  Press(enemy);
  MoveTo(enemy + QPoint(80, 40));
  MoveTo(enemy);
  Release(enemy);
  EXPECT_EQ(History().count(), 0);
  EXPECT_FALSE(editor->isWindowModified());
  EXPECT_EQ(Document().record(screen)[kRecordItemDestination], 255);
  EXPECT_EQ(Document().record(screen)[kRecordEnemyDestinations + 3],
            DistinctRecord(screen)[kRecordEnemyDestinations + 3]);

  ClickAt(At(CellOfTile(screen, 3)));  // a painted cell, away from the markers, gets the record written
  SaveAndExpectOnly({screen});
  EXPECT_EQ(RomBytes()[itemDestination], 255);
}

TEST_F(WorldEditorTest, HiddenObjectsCannotBeDraggedAndTheCellIsPaintedInstead) {
  editor->findChild<QAction*>("ShowObjects")->trigger();
  EXPECT_FALSE(Canvas()->showsObjects());
  ChooseTile(0x21);
  const QPoint marker = Canvas()->objectCentre(18, 4);
  Drag(marker, marker + QPoint(40, 0));
  EXPECT_EQ(Document().record(18)[kRecordEnemyDestinations + 3],
            DistinctRecord(18)[kRecordEnemyDestinations + 3]);
  EXPECT_EQ(Tile(Canvas()->cellAt(marker)), 0x21);
}

TEST_F(WorldEditorTest, TheScreenMenuCopiesPastesSwapsClearsAndSetsTheStart) {
  ScreenMenu(3, "Copy screen");
  EXPECT_EQ(editor->copiedScreen(), 3);
  EXPECT_EQ(QApplication::clipboard()->text(), ScreenRecordText(DistinctRecord(3)));
  ScreenMenu(5, "Paste screen");
  EXPECT_EQ(Document().record(5), DistinctRecord(3));
  ScreenMenu(7, "Swap with the copied screen");
  EXPECT_EQ(Document().record(7), DistinctRecord(3));
  EXPECT_EQ(Document().record(3), DistinctRecord(7));
  ScreenMenu(9, "Clear screen");
  EXPECT_EQ(Document().record(9)[0], 0);
  EXPECT_EQ(Document().record(9)[kRecordPalette1], DistinctRecord(9)[kRecordPalette1]);
  ScreenMenu(12, "Set as start screen");
  EXPECT_EQ(Document().startScreen(), 12);
  EXPECT_EQ(History().count(), 4);

  for (int step = 0; step < 4; ++step) Ctrl(Qt::Key_Z, 'Z');
  EXPECT_FALSE(Document().hasUnsavedChanges());
  for (int step = 0; step < 4; ++step) Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a");
  EXPECT_EQ(Document().startScreen(), 12);
  ScreenMenu(3, "Copy screen");
  ScreenMenu(3, "Swap");
  EXPECT_FALSE(MenuEntry("Swap")->isEnabled()) << "a screen is not swapped with itself";
  EXPECT_EQ(History().index(), 4);

  Ctrl(Qt::Key_S, 'S');
  const auto saved = RomBytes();
  for (std::size_t offset : ChangedOffsets(original, saved)) {
    bool inside = offset == kStartScreenOffset;
    for (int screen : {3, 5, 7, 9})
      inside |= offset >= std::size_t(ScreenRecordOffset(screen)) &&
                offset < std::size_t(ScreenRecordOffset(screen) + kScreenRecordLength);
    EXPECT_TRUE(inside) << offset;
  }
  EXPECT_EQ(DecodeStartScreenByte(saved[kStartScreenOffset]), 12);
}

TEST_F(WorldEditorTest, DoubleClickShowsTheScreenInTheMainWindowWithoutPainting) {
  ChooseTile(0x1F);
  QTest::mouseDClick(View(), Qt::LeftButton, {}, At(CellsOfScreen(37).center()));
  EXPECT_EQ(Edit("Edit1")->text(), "37");
  EXPECT_EQ(window->state().ScreenRecordOffset, ScreenRecordOffset(37));
  EXPECT_FALSE(Document().hasUnsavedChanges());
}

TEST_F(WorldEditorTest, ZoomByWheelAndKeysShownAsAPercentage) {
  auto* label = editor->findChild<QLabel*>("ZoomLabel");
  EXPECT_EQ(label->text(), "100 %");
  QWheelEvent wheel(QPointF(50, 50), View()->mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(View(), &wheel);
  EXPECT_EQ(label->text(), "150 %");
  Key(Qt::Key_Minus, Qt::ControlModifier, "-");
  Key(Qt::Key_Minus, Qt::ControlModifier, "-");
  EXPECT_EQ(label->text(), "75 %");
  for (int i = 0; i < 5; ++i) Key(Qt::Key_Minus, Qt::ControlModifier, "-");
  EXPECT_EQ(label->text(), "25 %");
  Key(Qt::Key_0, Qt::ControlModifier, "0");
  EXPECT_EQ(label->text(), "100 %");
  for (int i = 0; i < 6; ++i) Key(Qt::Key_Plus, Qt::ControlModifier, "+");
  EXPECT_EQ(label->text(), "400 %");
  // At 25 % the whole world fits and a click still lands on the right cell.
  Canvas()->setZoom(25);
  ChooseTile(0x1F);
  ClickAt(At({127, 47}));
  EXPECT_EQ(Tile({127, 47}), 0x1F);
}

TEST_F(WorldEditorTest, ClosingWithUnsavedChangesAsks) {
  ChooseTile(0x1F);
  ClickAt(At({1, 1}));
  dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
  EXPECT_FALSE(editor->close());
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].contains("screen 1")) << dialogs.questions[0].toStdString();
  dialogs.unsavedAnswers = {UnsavedAnswer::Save};
  QPointer<WorldEditor> watched(editor);
  EXPECT_TRUE(editor->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watched.isNull());
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(1) + 9], 0x1F);
}

TEST_F(WorldEditorTest, ClosingTheMainWindowAsksForTheWorldEditorToo) {
  ChooseTile(0x1F);
  ClickAt(At({1, 1}));
  dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
  EXPECT_FALSE(window->close());
  dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(RomBytes(), original);
}

TEST_F(WorldEditorTest, ARecordChangedByTheMainWindowIsAConflictThatWritesNothing) {
  ChooseTile(0x1F);
  ClickAt(At(CellOfTile(55, 0)));
  ClickAt(At(CellOfTile(60, 0)));
  // The main window shows screen 55 (the start screen) and saves a change to it.
  Click([this] { window->ImageClick(2); });
  emit Image("Pic5")->clicked();
  Click([this] { window->Button5Click(); });
  const auto afterMainSave = RomBytes();
  dialogs.questionAnswers = {false};
  Ctrl(Qt::Key_S, 'S');
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].contains("Screen 55 changed in the file"))
      << dialogs.questions[0].toStdString();
  EXPECT_EQ(RomBytes(), afterMainSave);
  EXPECT_TRUE(Document().isScreenChanged(60));

  dialogs.questionAnswers = {true};  // reload screen 55 from the file, then save the rest
  Ctrl(Qt::Key_S, 'S');
  EXPECT_EQ(Document().record(55)[1], 4);
  EXPECT_TRUE(Document().isScreenChanged(60));
  original = RomBytes();
  SaveAndExpectOnly({60});
}

TEST_F(WorldEditorTest, TheMainWindowReloadsASavedScreenUnlessItHasEditsThere) {
  ChooseTile(0x1F);
  ClickAt(At(CellOfTile(55, 0)));
  Ctrl(Qt::Key_S, 'S');
  EXPECT_EQ(TileCode(1), "1F") << "the shown screen was reloaded";

  Click([this] { window->ImageClick(2); });
  emit Image("Pic5")->clicked();  // an unsaved edit in the main window
  ClickAt(At(CellOfTile(55, 0)), Qt::LeftButton);
  ChooseTile(0x21);
  ClickAt(At(CellOfTile(55, 0)));
  Ctrl(Qt::Key_S, 'S');
  EXPECT_EQ(TileCode(1), "1F");
  EXPECT_EQ(TileCode(2), "4") << "the edit is kept";
  EXPECT_TRUE(LastMessage().contains("keeps your unsaved edits")) << LastMessage().toStdString();
}

TEST_F(WorldEditorTest, SaveAsPngWritesTheEditedWorld) {
  ChooseTile(0x1F);
  ClickAt(At({1, 1}));
  const QString path = Folder() + "/world.png";
  dialogs.fileAnswers << path;
  const auto before = RomBytes();
  for (QAction* action : editor->findChildren<QAction*>())
    if (action->text() == "Save as &PNG...") action->trigger();
  QImage saved(path, "PNG");
  ASSERT_EQ(saved.size(), QSize(4096, 1536));
  EXPECT_EQ(QColor(saved.pixel(48, 48)), TileColour(0x1F));
  EXPECT_EQ(RomBytes(), before);
}

// Screens are kept as pictures between repaints; every kind of change must still show.
TEST_F(WorldEditorTest, WhatTheCanvasShowsFollowsEveryChange) {
  const auto shown = [this](QPoint at) { return QColor(View()->grab().toImage().pixel(at)); };
  editor->findChild<QAction*>("ShowObjects")->trigger();  // no marker over the cells looked at
  const QPoint cell(9, 1);
  const QColor before = shown(At(cell));
  EXPECT_EQ(before, TileColour(Tile(cell)));
  ChooseTile(0x1F);
  ClickAt(At(cell));
  EXPECT_EQ(shown(At(cell)), TileColour(0x1F));
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(shown(At(cell)), before);
  Ctrl(Qt::Key_Y, 'Y');
  const auto zoomToTopLeft = [this](int percent) {
    Canvas()->setZoom(percent);
    Canvas()->horizontalScrollBar()->setValue(0);
    Canvas()->verticalScrollBar()->setValue(0);
  };
  zoomToTopLeft(50);
  EXPECT_EQ(shown(At(cell)), TileColour(0x1F)) << "at 50 %";
  zoomToTopLeft(200);
  EXPECT_EQ(shown(At(cell)), TileColour(0x1F)) << "at 200 %, drawn without kept pictures";
  zoomToTopLeft(100);

  editor->findChild<QAction*>("ShowObjects")->trigger();
  const int screen = 18;
  const QPoint target = Canvas()->cellCentre(CellOfTile(screen, 8 * 5 + 7)) + QPoint(8, 8);
  const QColor tileThere = shown(target);
  const QPoint from = Canvas()->objectCentre(screen, 4);
  Press(from);
  MoveTo(target);
  EXPECT_NE(shown(target), tileThere) << "the marker follows the drag";
  Release(target);
  EXPECT_NE(shown(target), tileThere);
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(shown(target), tileThere);
}

TEST_F(WorldEditorTest, ThePaletteNamesCodesAndAddsTheWorldsCodesWithoutPictures) {
  EXPECT_EQ(editor->tilePalette()->codes().size(), 176u);
  QApplication::clipboard()->setText("Quelbrook tiles 1x1\nC3\n");
  Ctrl(Qt::Key_V, 'V');
  ClickAt(At({0, 0}));
  ASSERT_EQ(editor->tilePalette()->codes().size(), 177u);
  EXPECT_EQ(editor->tilePalette()->codes().back(), 0xC3);
  EXPECT_EQ(editor->findChild<QLabel*>("MissingPicturesLabel")->text(),
            "Magenta squares: no picture for tiles C3");
  const QImage shown = Canvas()->viewport()->grab().toImage();
  EXPECT_EQ(shown.pixel(At({0, 0}) + QPoint(-12, 0)), kPlaceholderColour);
  Ctrl(Qt::Key_Z, 'Z');
  EXPECT_EQ(editor->tilePalette()->codes().size(), 176u);
}

}  // namespace
}  // namespace quelbrook::testing

namespace quelbrook::testing {
namespace {

class RomWatchingTest : public WorldEditorTest {
 protected:
  // Another program changes one byte of a record.
  void ChangeOnDisk(int screen, int index, std::uint8_t value) {
    auto bytes = RomBytes();
    bytes[static_cast<std::size_t>(ScreenRecordOffset(screen) + index)] = value;
    WriteFile(RomPath(), bytes);
  }
};

TEST_F(RomWatchingTest, BothWindowsShowAnotherProgramsChange) {
  ChangeOnDisk(55, 0, 0x2B);  // the main window shows screen 55
  QTRY_COMPARE_WITH_TIMEOUT(Document().record(55)[0], 0x2B, 3000);
  QTRY_COMPARE_WITH_TIMEOUT(TileCode(1), QString("2B"), 3000);
  EXPECT_FALSE(Document().hasUnsavedChanges());
}

TEST_F(RomWatchingTest, UnsavedChangesAreKeptAndTheWindowsSaySo) {
  ChooseTile(0x1F);
  ClickAt(At(CellOfTile(9, 0)));
  Click([this] { window->ImageClick(3); });
  emit Image("Pic8")->clicked();
  ChangeOnDisk(100, 5, 0x44);
  QTRY_VERIFY_WITH_TIMEOUT(editor->statusBar()->currentMessage().contains("changed on disk"), 3000);
  QTRY_VERIFY_WITH_TIMEOUT(window->statusBar()->currentMessage().contains("changed on disk"), 3000);
  EXPECT_EQ(Tile(CellOfTile(9, 0)), 0x1F);
  EXPECT_EQ(Document().record(100)[5], DistinctRecord(100)[5]) << "not read while edits are unsaved";
  EXPECT_EQ(TileCode(3), "7");
  // The save that follows writes screen 9, which did not change on disk, and leaves the
  // other program's change alone.
  const auto before = RomBytes();
  Ctrl(Qt::Key_S, 'S');
  const auto after = RomBytes();
  for (std::size_t offset : ChangedOffsets(before, after))
    EXPECT_EQ((offset - ScreenRecordOffset(9)) / kScreenRecordLength, 0u) << offset;
  EXPECT_EQ(after[ScreenRecordOffset(9)], 0x1F);
  EXPECT_EQ(after[ScreenRecordOffset(100) + 5], 0x44);
}

TEST_F(RomWatchingTest, AWindowsOwnSaveIsNoNewsToIt) {
  ChooseTile(0x1F);
  ClickAt(At(CellOfTile(9, 0)));
  Ctrl(Qt::Key_S, 'S');
  QTest::qWait(RomWatcher::kSettleMilliseconds * 3);
  EXPECT_FALSE(editor->statusBar()->currentMessage().contains("changed on disk"));
  EXPECT_EQ(History().count(), 1) << "no reload forgot the history";
}

}  // namespace
}  // namespace quelbrook::testing
