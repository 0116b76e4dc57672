// The world editor as a window among others: the whole world in view when it opens, its
// size and docks kept for the next one, a ROM dropped on it.
#include <QDir>
#include <QDockWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include "hex_text.h"
#include "item_catalogue.h"
#include "picture_choice.h"
#include "world_editor_fixture.h"
#include "world_pictures.h"

namespace quelbrook::testing {
namespace {

class WorldEditorWindowTest : public WorldEditorTest {
 protected:
  // The world's picture lies wholly inside the canvas's viewport.
  void ExpectWholeWorldInView() const {
    const QRect world(Canvas()->cellCentre({0, 0}), Canvas()->cellCentre({127, 47}));
    EXPECT_TRUE(View()->rect().contains(world)) << Canvas()->zoom();
    EXPECT_EQ(Canvas()->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(Canvas()->verticalScrollBar()->maximum(), 0);
  }
  WorldEditor* Reopened() {
    EXPECT_TRUE(editor->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Click([this] { window->ShowWorldEditor(); });
    return window->ShownWorldEditor();
  }
  bool Drop(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = View()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(View(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(View(), &drop);
    return enter.isAccepted() && drop.isAccepted();
  }
};

TEST_F(WorldEditorWindowTest, OpensWithTheWholeWorldInViewAndTheCanvasTakingMostOfTheWindow) {
  editor = Reopened();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(Canvas()->fitsWorld());
  ExpectWholeWorldInView();
  EXPECT_GT(Canvas()->width(), editor->width() * 3 / 5);
  // The tile dock is no wider than its tiles and their scroll bar.
  auto* tiles = editor->findChild<QDockWidget*>("TilesDock");
  EXPECT_LE(tiles->width(), editor->tilePalette()->width() + 40);
  // A cell still takes a click at the fitted zoom.
  ChooseTile(0x1F);
  ClickAt(At({127, 47}));
  EXPECT_EQ(Tile({127, 47}), 0x1F);
}

TEST_F(WorldEditorWindowTest, ZoomToFitKeepsTheWorldInViewUntilAnotherZoom) {
  Key(Qt::Key_9, Qt::ControlModifier, "9");
  EXPECT_TRUE(Canvas()->fitsWorld());
  ExpectWholeWorldInView();
  const int fitted = Canvas()->zoom();
  EXPECT_LT(fitted, 100);
  editor->resize(900, 600);
  ExpectWholeWorldInView();
  EXPECT_LT(Canvas()->zoom(), fitted);
  // One step in from between two steps is the next larger step, and out again stops there.
  Key(Qt::Key_Plus, Qt::ControlModifier, "+");
  EXPECT_FALSE(Canvas()->fitsWorld());
  EXPECT_EQ(Canvas()->zoom(), 25);
  Key(Qt::Key_Minus, Qt::ControlModifier, "-");
  EXPECT_EQ(Canvas()->zoom(), 25);
  editor->resize(1400, 900);
  EXPECT_EQ(Canvas()->zoom(), 25);
}

TEST_F(WorldEditorWindowTest, SizeAndDocksComeBackInTheNextWindow) {
  editor->resize(1000, 700);
  auto* history = editor->findChild<QDockWidget*>("HistoryDock");
  editor->addDockWidget(Qt::LeftDockWidgetArea, history);
  editor = Reopened();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->size(), QSize(1000, 700));
  EXPECT_EQ(editor->dockWidgetArea(editor->findChild<QDockWidget*>("HistoryDock")), Qt::LeftDockWidgetArea);
  ExpectWholeWorldInView();
}

TEST_F(WorldEditorWindowTest, DroppedRomOpensAfterAskingAboutUnsavedChanges) {
  const std::string other = (dir / "other.nes").string();
  RomBuilder().DistinctScreens().StartScreenByte(EncodeStartScreenByte(7)).Write(other);
  ChooseTile(0x1F);
  ClickAt(At({1, 1}));
  dialogs.unsavedAnswers = {UnsavedAnswer::Cancel};
  EXPECT_TRUE(Drop(QString::fromStdString(other)));
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_EQ(window->state().romPath, RomPath());
  EXPECT_EQ(window->ShownWorldEditor(), editor);

  dialogs.unsavedAnswers = {UnsavedAnswer::Discard};
  EXPECT_TRUE(Drop(QString::fromStdString(other)));
  EXPECT_EQ(dialogs.questions.size(), 2);  // asked once: the closing editor does not ask again
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(window->state().romPath, other);
  EXPECT_EQ(Edit("Edit1")->text(), "7");
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  WorldEditor* reopened = window->ShownWorldEditor();
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->document().romPath(), other);
  EXPECT_FALSE(reopened->document().hasUnsavedChanges());
  EXPECT_EQ(RomBytes(), original);  // the discarded change was never written
}

// A folder of the user's with the program's item and enemy pictures and every tile one plain colour.
QString PlainPictureFolder(const QString& programFolder, QColor colour) {
  const QString folder = programFolder + "/plain";
  for (const QString sub : {"graph", "items", "enemyes"}) QDir().mkpath(folder + "/" + sub);
  for (const QString sub : {"items", "enemyes"})
    for (const QString& file : QDir(programFolder + "/" + sub).entryList(QDir::Files))
      QFile::copy(programFolder + "/" + sub + "/" + file, folder + "/" + sub + "/" + file);
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(colour);
  for (int code = 0; code < WorldPictures::kCodeCount; ++code)
    picture.save(QDir(folder).filePath(QString::fromStdString(TileBitmapPath(IntToHexText(code)))), "BMP");
  return folder;
}

TEST_F(WorldEditorWindowTest, DrawsAndExportsWithThePicturesChosenForTheRom) {
  const QColor plain(0, 200, 0);
  const QString folder = PlainPictureFolder(Folder(), plain);
  const auto paletteColour = [this] {
    WorldTilePalette* palette = window->ShownWorldEditor()->tilePalette();
    return QColor(palette->grab().toImage().pixel(palette->tileRect(0).center()));
  };
  ASSERT_NE(paletteColour(), plain);

  // Chosen while the world editor is open: it follows at once, and opens with it next time.
  WritePictureSetting(IdentityOf(QString::fromStdString(RomPath())), {PictureChoice::kFolder, folder});
  window->UsePicturesOfRom();
  EXPECT_EQ(paletteColour(), plain);
  Canvas()->setShowObjects(false);
  EXPECT_EQ(QColor(View()->grab().toImage().pixel(At({3, 3}))), plain);
  editor = Reopened();
  EXPECT_EQ(paletteColour(), plain);

  dialogs.fileAnswers.push_back(Folder() + "/world.tmx");
  Click([this] { window->ExportWorldToTiled(); });
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(QColor(QImage(Folder() + "/world-tiles.png").pixel(16, 16)), plain);

  WritePictureSetting(IdentityOf(QString::fromStdString(RomPath())), {});
  window->UsePicturesOfRom();
  EXPECT_NE(paletteColour(), plain);
}

}  // namespace
}  // namespace quelbrook::testing
