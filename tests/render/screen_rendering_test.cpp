// One screen's picture: tiles in reading order without gaps, markers over destinations.
#include "screen_rendering.h"

#include <QFile>
#include <set>

#include "editor_error.h"
#include "picture_folder.h"
#include "render_fixture.h"

namespace quelbrook::testing {
namespace {

class ScreenRenderingTest : public RenderTest {
 protected:
  QImage Render(const ScreenData& screen) {
    PictureFolder pictures(Folder());
    return RenderScreen(screen, pictures);
  }
  // Every pixel of the 16 x 16 square at (left, top) has this colour.
  void ExpectSquare(const QImage& image, int left, int top, QColor colour) {
    for (int y = top; y < top + kMarkerPixels; ++y)
      for (int x = left; x < left + kMarkerPixels; ++x)
        ASSERT_EQ(PixelAt(image, x, y), colour) << "at " << x << ", " << y;
  }
  // The picture equals the tiles-only one outside the square at (left, top).
  void ExpectTilesOutside(const QImage& image, int left, int top) {
    const QImage tiles = Render(TilesOnlyScreen());
    const QRect square(left, top, kMarkerPixels, kMarkerPixels);
    for (int y = 0; y < kScreenPixelHeight; ++y)
      for (int x = 0; x < kScreenPixelWidth; ++x)
        if (!square.contains(x, y)) {
          ASSERT_EQ(image.pixel(x, y), tiles.pixel(x, y)) << "at " << x << ", " << y;
        }
  }
};

TEST_F(ScreenRenderingTest, EveryPixelComesFromItsCellsTilePicture) {
  const QImage image = Render(TilesOnlyScreen());
  ASSERT_EQ(image.size(), QSize(256, 192));
  for (int y = 0; y < 192; ++y)
    for (int x = 0; x < 256; ++x)
      ASSERT_EQ(PixelAt(image, x, y), TileColour(y / 32 * 8 + x / 32)) << "at " << x << ", " << y;
}

TEST_F(ScreenRenderingTest, HighTileCodesUseTheirHexadecimalFileNames) {
  const QImage image = Render(SolidScreen(0xAF));
  EXPECT_EQ(PixelAt(image, 0, 0), TileColour(0xAF));
  EXPECT_EQ(PixelAt(image, 255, 191), TileColour(0xAF));
}

TEST_F(ScreenRenderingTest, ItemMarkerCoversItsDestinationOnly) {
  ScreenData screen = TilesOnlyScreen();
  screen.itemCode = 0xB;
  screen.itemDestination = 37;  // column 5, row 2
  const QImage image = Render(screen);
  ExpectSquare(image, 80, 32, ItemColour(0xB));
  ExpectTilesOutside(image, 80, 32);
}

TEST_F(ScreenRenderingTest, EnemyMarkerAtTheLastDestinationFillsTheBottomRightCorner) {
  ScreenData screen = TilesOnlyScreen();
  screen.enemyKinds[2] = 0xE;
  screen.enemyDestinations[2] = 191;
  const QImage image = Render(screen);
  ExpectSquare(image, 240, 176, EnemyColour(0xE));
  ExpectTilesOutside(image, 240, 176);
}

TEST_F(ScreenRenderingTest, UnsetDestinationDrawsAtDestinationZero) {
  ScreenData screen = TilesOnlyScreen();
  screen.enemyKinds[0] = 5;
  screen.enemyDestinations[0] = 255;
  const QImage image = Render(screen);
  ExpectSquare(image, 0, 0, EnemyColour(5));
  ExpectTilesOutside(image, 0, 0);
}

TEST_F(ScreenRenderingTest, DestinationsOffTheGridDrawNothing) {
  const QImage tiles = Render(TilesOnlyScreen());
  for (int destination : {192, 200, 254}) {
    ScreenData screen = TilesOnlyScreen();
    screen.itemCode = 3;
    screen.itemDestination = static_cast<std::uint8_t>(destination);
    screen.enemyKinds.fill(7);
    screen.enemyDestinations.fill(static_cast<std::uint8_t>(destination));
    EXPECT_EQ(Render(screen), tiles) << "destination " << destination;
  }
}

TEST_F(ScreenRenderingTest, EmptyItemIsDrawnWithItsPictureAsInTheWindow) {
  ScreenData screen = TilesOnlyScreen();
  screen.itemCode = 0;
  screen.itemDestination = 17;
  ExpectSquare(Render(screen), 16, 16, ItemColour(0));
}

TEST_F(ScreenRenderingTest, EnemiesCoverTheItemAndLaterEnemiesTheEarlierOnes) {
  ScreenData screen = TilesOnlyScreen();
  screen.itemCode = 2;
  screen.itemDestination = 50;
  for (int enemy = 0; enemy < 4; ++enemy) {
    screen.enemyKinds[enemy] = static_cast<std::uint8_t>(enemy + 8);
    screen.enemyDestinations[enemy] = 50;
  }
  ExpectSquare(Render(screen), 32, 48, EnemyColour(11));
  screen.enemyDestinations[3] = kNoMarker;
  ExpectSquare(Render(screen), 32, 48, EnemyColour(10));
  screen.enemyDestinations.fill(kNoMarker);
  ExpectSquare(Render(screen), 32, 48, ItemColour(2));
}

TEST_F(ScreenRenderingTest, MarkerCornersFollowTheGapFreeGrid) {
  EXPECT_EQ(RenderedMarkerCorner(0), QPoint(0, 0));
  EXPECT_EQ(RenderedMarkerCorner(15), QPoint(240, 0));
  EXPECT_EQ(RenderedMarkerCorner(16), QPoint(0, 16));
  EXPECT_EQ(RenderedMarkerCorner(191), QPoint(240, 176));
  EXPECT_EQ(RenderedMarkerCorner(255), QPoint(0, 0));
  EXPECT_FALSE(RenderedMarkerCorner(192));
  EXPECT_FALSE(RenderedMarkerCorner(254));
}

TEST_F(ScreenRenderingTest, MissingTilePictureFailsWithTheWindowsMessage) {
  QFile::remove(Folder() + "/graph/2A.bmp");
  ScreenData screen = TilesOnlyScreen();
  screen.tiles[40] = 0x2A;
  try {
    Render(screen);
    FAIL() << "no failure";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file graph/2A.bmp");
  }
}

TEST_F(ScreenRenderingTest, TileCodeWithoutAPictureFails) {
  try {
    Render(SolidScreen(0xB0));
    FAIL() << "no failure";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file graph/B0.bmp");
  }
}

TEST_F(ScreenRenderingTest, MarkerPictureIsNeededEvenOffTheGridAsInTheWindow) {
  QFile::remove(Folder() + "/enemyes/C.bmp");
  ScreenData screen = TilesOnlyScreen();
  screen.enemyKinds[1] = 0xC;
  try {
    Render(screen);
    FAIL() << "no failure";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), "Cannot open file enemyes/C.bmp");
  }
}

TEST_F(ScreenRenderingTest, PlaceholderFolderDrawsCodesWithoutAPictureAsTheirPlaceholders) {
  ScreenData screen = TilesOnlyScreen();
  screen.tiles[9] = 0xB0;  // cell (1, 1)
  screen.enemyKinds[0] = 0x10;
  screen.enemyDestinations[0] = 0;
  PictureFolder pictures(Folder(), MissingPictures::kPlaceholder);
  const QImage image = RenderScreen(screen, pictures);
  const QImage placeholder = PlaceholderPicture(0xB0);
  for (int y = 0; y < kTilePixels; ++y)
    for (int x = 0; x < kTilePixels; ++x)
      ASSERT_EQ(image.pixel(32 + x, 32 + y), placeholder.pixel(x, y)) << "at " << x << ", " << y;
  EXPECT_EQ(image.pixel(0, 0), kPlaceholderInkColour);  // the enemy's scaled placeholder border
  EXPECT_EQ(pictures.missingPictures(), (std::set<std::string>{"enemyes/10.bmp", "graph/B0.bmp"}));
}

}  // namespace
}  // namespace quelbrook::testing
