// The main window's right-click pick and its whole-screen copy and paste.
#include "world_editor_fixture.h"

namespace quelbrook::testing {
namespace {

class ScreenClipboardTest : public WorldEditorTest {
 protected:
  QWidget* Panel() const { return Get<QWidget>("Panel1"); }
  void MainKey(Qt::Key key, const QString& text) {
    window->show();
    QApplication::setActiveWindow(window.get());
    QTest::sendKeyEvent(QTest::Click, Edit("Edit1"), key, text, Qt::ControlModifier | Qt::ShiftModifier);
  }
};

TEST_F(ScreenClipboardTest, RightClickOnACellMarksItsTileInThePalette) {
  Click([this] { window->ImageClick(2); });
  QTest::mouseClick(Panel(), Qt::RightButton, {}, Position("Image5") + QPoint(16, 16));
  const int code = DistinctRecord(55)[4];
  EXPECT_EQ(Position("Green"), Position("Pic" + QString::number(code + 1)) - QPoint(1, 1));
  EXPECT_EQ(window->state().SelectedCell, 2) << "the selected cell stays";
  EXPECT_EQ(TileCode(2), QString::number(DistinctRecord(55)[1], 16).toUpper()) << "nothing is painted";
}

TEST_F(ScreenClipboardTest, CopyAndPasteTheShownScreenAsOneUndoableEdit) {
  MainKey(Qt::Key_C, "\x03");
  EXPECT_EQ(QApplication::clipboard()->text(), ScreenRecordText(DistinctRecord(55)));
  ShowScreen(60);
  MainKey(Qt::Key_V, "\x16");
  EXPECT_EQ(TileCode(1), QString::number(DistinctRecord(55)[0], 16).toUpper());
  EXPECT_EQ(Edit("pal1")->text(), "55");
  EXPECT_EQ(Edit("Edit2")->text(), QString::fromStdU16String(DecodeScreenRecord(DistinctRecord(55)).message));
  EXPECT_EQ(window->history()->count(), 1);
  window->history()->undo();
  EXPECT_EQ(Edit("pal1")->text(), "60");
  window->history()->redo();
  EXPECT_EQ(Edit("pal1")->text(), "55");
  const auto before = RomBytes();
  Click([this] { window->Button5Click(); });
  const auto after = RomBytes();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  const RecordBytes copied = DistinctRecord(55);
  EXPECT_TRUE(std::equal(copied.begin(), copied.end(), after.begin() + ScreenRecordOffset(60)));
  for (std::size_t offset : ChangedOffsets(before, after))
    EXPECT_EQ((offset - ScreenRecordOffset(60)) / kScreenRecordLength, 0u) << offset;
}

TEST_F(ScreenClipboardTest, AScreenCopiedInTheWorldEditorPastesIntoTheMainWindow) {
  ScreenMenu(7, "Copy screen");
  MainKey(Qt::Key_V, "\x16");
  EXPECT_EQ(Edit("pal1")->text(), "7");
  QApplication::clipboard()->setText("not a screen");
  MainKey(Qt::Key_V, "\x16");
  EXPECT_EQ(LastMessage(), QString(kNoScreenOnClipboard) + ".");
  EXPECT_EQ(Edit("pal1")->text(), "7");
}

}  // namespace
}  // namespace quelbrook::testing
