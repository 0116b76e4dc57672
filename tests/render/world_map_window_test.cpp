// The world map window: the mosaic, clicks through to the editor, Refresh, Save as PNG.
#include "world_map_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>
#include <vector>

#include "byte_map.h"
#include "editor_error.h"
#include "render_fixture.h"
#include "screen_decoding.h"
#include "scripted_dialogs.h"
#include "world_geometry.h"
#include "world_overlays.h"
#include "picture_folder.h"

namespace quelbrook::testing {
namespace {

class WorldMapWindowTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    SolidWorld().StartScreenByte(EncodeStartScreenByte(5)).Write(RomPath());
  }
  void Open() {
    window = std::make_unique<WorldMapWindow>(RomPath(), Folder(), dialogs,
                                              [this](int screen) { shown.push_back(screen); });
  }
  QWidget* Mosaic() const { return window->findChild<QWidget*>("Mosaic"); }
  QPushButton* Button(const char* name) const { return window->findChild<QPushButton*>(name); }
  // A real press and release, as a user's click.
  void ClickAt(QPoint local) {
    QWidget* target = Mosaic();
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(local), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
  QColor ShownCentreOf(int screen) const {
    const QRect rect = ScreenRect(screen, window->shownMosaic().size());
    return PixelAt(window->shownMosaic(), rect.center().x(), rect.center().y());
  }

  ScriptedDialogs dialogs;
  std::vector<int> shown;
  std::unique_ptr<WorldMapWindow> window;
};

TEST_F(WorldMapWindowTest, ShowsAllScreensAsAQuarterSizeMosaic) {
  Open();
  EXPECT_EQ(window->objectName(), "WorldMap");
  ASSERT_EQ(window->shownMosaic().size(), QSize(1024, 384));
  EXPECT_EQ(Mosaic()->size(), QSize(1024, 384));
  for (int screen = 1; screen <= kScreenCount; ++screen) ASSERT_EQ(ShownCentreOf(screen), TileColour(screen));
}

TEST_F(WorldMapWindowTest, MarksTheStartScreenAndNamesItInTheLegend) {
  Open();
  const QRect start = ScreenRect(5, window->shownMosaic().size());
  EXPECT_EQ(window->shownMosaic().pixel(start.center().x(), start.top()), kStartFrameColour);
  EXPECT_TRUE(window->findChild<QLabel*>("Legend")->text().contains("start screen 5"));
}

TEST_F(WorldMapWindowTest, ClickOnTheMosaicShowsThatScreen) {
  Open();
  ClickAt(ScreenRect(37, Mosaic()->size()).center());
  ClickAt(QPoint(0, 0));
  ClickAt(QPoint(1023, 383));
  ClickAt(QPoint(64, 48));  // the first pixel of screen 18
  EXPECT_EQ(shown, (std::vector<int>{37, 1, 128, 18}));
}

TEST_F(WorldMapWindowTest, ClickScreenCallsBackOnlyForRealScreens) {
  Open();
  window->ClickScreen(5);
  window->ClickScreen(0);
  window->ClickScreen(129);
  EXPECT_EQ(shown, (std::vector<int>{5}));
}

TEST_F(WorldMapWindowTest, RefreshShowsAChangedRom) {
  Open();
  RomBuilder changed = SolidWorld();
  ScreenData data = SolidScreen(0x90);
  data.message = std::u16string(kMessageLength, u' ');
  changed.Screen(3, data).StartScreenByte(EncodeStartScreenByte(9)).Write(RomPath());
  EXPECT_EQ(ShownCentreOf(3), TileColour(3));
  Button("Refresh")->click();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
  EXPECT_EQ(ShownCentreOf(3), TileColour(0x90));
  EXPECT_TRUE(window->findChild<QLabel*>("Legend")->text().contains("start screen 9"));
}

TEST_F(WorldMapWindowTest, NeverChangesTheRomAndLeavesNoFileOpen) {
  const auto before = ReadFile(RomPath());
  Open();
  window->Refresh();
  window->ClickScreen(12);
  EXPECT_EQ(DescriptorsOpenOn(RomPath()), 0);
  EXPECT_EQ(ReadFile(RomPath()), before);
}

TEST_F(WorldMapWindowTest, OpeningWithoutTheRomFails) {
  QFile::remove(QString::fromStdString(RomPath()));
  EXPECT_THROW(Open(), EditorError);
}

TEST_F(WorldMapWindowTest, FailedRefreshShowsTheMessageAndKeepsTheMosaic) {
  Open();
  const QImage before = window->shownMosaic();
  QFile broken(Folder() + "/graph/40.bmp");  // screen 64's tile
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not a bitmap");
  broken.close();
  Button("Refresh")->click();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0], "Bitmap image is not valid.");
  EXPECT_EQ(window->shownMosaic(), before);
}

// Real ROMs hold tile codes from B0 on, item codes above B and enemy kinds above F.
TEST_F(WorldMapWindowTest, CodesWithoutAPictureShowAsPlaceholdersNamedInTheLegend) {
  RomBuilder world = SolidWorld();
  ScreenData data = SolidScreen(0xB0);
  data.message = std::u16string(kMessageLength, u' ');
  data.enemyKinds[2] = 0x11;
  world.Screen(3, data).Write(RomPath());
  QFile::remove(Folder() + "/graph/40.bmp");  // screen 64's tile
  Open();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
  EXPECT_EQ(ShownCentreOf(5), TileColour(5));
  const QRect third = ScreenRect(3, window->shownMosaic().size());
  // Screen 3 shows the placeholders' magenta, even at a quarter of the size.
  int magenta = 0;
  for (int y = third.top(); y <= third.bottom(); ++y)
    for (int x = third.left(); x <= third.right(); ++x) {
      const QColor colour = PixelAt(window->shownMosaic(), x, y);
      magenta += colour.red() > 200 && colour.blue() > 200 && colour.green() < 40;
    }
  EXPECT_GT(magenta, third.width() * third.height() / 8);
  const QString legend = window->findChild<QLabel*>("Legend")->text();
  EXPECT_TRUE(legend.contains("no picture for tiles 40, B0; enemies 11")) << legend.toStdString();
}

TEST_F(WorldMapWindowTest, SaveAsPngWritesTheFullSizeWorldWithItsMarks) {
  Open();
  const QString path = QString::fromStdString((dir / "world.png").string());
  dialogs.fileAnswers << path;
  Button("SaveAsPng")->click();
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].filter, "PNG pictures|*.png");
  EXPECT_EQ(dialogs.fileDialogs[0].defaultSuffix, "png");
  QImage saved(path, "PNG");
  ASSERT_EQ(saved.size(), QSize(4096, 1536));
  EXPECT_EQ(PixelAt(saved, 128 + 256, 96 + 192), TileColour(18));
  const QRect start = ScreenRect(5, saved.size());
  EXPECT_EQ(saved.pixel(start.center().x(), start.top()), kStartFrameColour);
}

TEST_F(WorldMapWindowTest, CancelledSaveWritesNothing) {
  Open();
  Button("SaveAsPng")->click();
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(QFile::exists(QString::fromStdString((dir / "world.png").string())));
}

TEST_F(WorldMapWindowTest, SaveIntoAMissingFolderFails) {
  Open();
  dialogs.fileAnswers << QString::fromStdString((dir / "no such folder" / "world.png").string());
  Button("SaveAsPng")->click();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].startsWith("Cannot write file ")) << dialogs.messages[0].toStdString();
}

}  // namespace
}  // namespace quelbrook::testing
