// The world picture: sizes, where each screen lands, the marks, and the ROM left alone.
#include "world_rendering.h"

#include "byte_map.h"
#include "editor_error.h"
#include "render_fixture.h"
#include "screen_decoding.h"
#include "screen_rendering.h"
#include "world_geometry.h"
#include "world_overlays.h"

namespace quelbrook::testing {
namespace {

class WorldRenderingTest : public RenderTest {
 protected:
  QImage Render(double scale) {
    PictureFolder pictures(Folder());
    RomImage rom(RomPath());
    return RenderWorld(rom, pictures, scale);
  }
  WorldData Read() {
    RomImage rom(RomPath());
    return ReadWorld(rom);
  }
};

TEST_F(WorldRenderingTest, FullSizeWorldPlacesScreenNAtItsGridCell) {
  SolidWorld().Write(RomPath());
  const QImage world = Render(1.0);
  ASSERT_EQ(world.size(), QSize(4096, 1536));
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const int left = (screen - 1) % 16 * 256;
    const int top = (screen - 1) / 16 * 192;
    for (QPoint corner :
         {QPoint(left, top), QPoint(left + 255, top), QPoint(left, top + 191), QPoint(left + 255, top + 191)})
      ASSERT_EQ(PixelAt(world, corner.x(), corner.y()), TileColour(screen)) << "screen " << screen;
  }
}

TEST_F(WorldRenderingTest, ScreensAreTheirOwnRenderings) {
  RomBuilder().DistinctScreens().Write(RomPath());
  const QImage world = Render(1.0);
  PictureFolder pictures(Folder());
  RomImage rom(RomPath());
  for (int screen : {1, 16, 17, 64, 113, 128}) {
    rom.Open();
    const ScreenData data = ReadScreenRecord(rom, screen);
    rom.Close();
    EXPECT_EQ(world.copy(ScreenRect(screen, world.size())), RenderScreen(data, pictures))
        << "screen " << screen;
  }
}

TEST_F(WorldRenderingTest, ScaledWorldsHaveRoundedSizesAndKeepScreensInPlace) {
  SolidWorld().Write(RomPath());
  EXPECT_EQ(Render(0.1).size(), QSize(410, 154));
  EXPECT_EQ(Render(0.5).size(), QSize(2048, 768));
  const QImage quarter = Render(0.25);
  ASSERT_EQ(quarter.size(), QSize(1024, 384));
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const QRect rect = ScreenRect(screen, quarter.size());
    ASSERT_EQ(rect.size(), QSize(64, 48));
    // Smooth scaling blends only across an edge; inside, each screen keeps its colour.
    ASSERT_EQ(PixelAt(quarter, rect.center().x(), rect.center().y()), TileColour(screen)) << screen;
    ASSERT_EQ(PixelAt(quarter, rect.left() + 1, rect.top() + 1), TileColour(screen)) << screen;
  }
}

TEST_F(WorldRenderingTest, ScaleOutsideItsRangeIsRefused) {
  SolidWorld().Write(RomPath());
  for (double scale : {0.0, -1.0, 0.005, 2.5}) EXPECT_THROW(Render(scale), EditorError) << scale;
}

TEST_F(WorldRenderingTest, ScreenRectsTileTheWorldAndPointsMapBack) {
  const QSize size(410, 154);
  int area = 0;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const QRect rect = ScreenRect(screen, size);
    area += rect.width() * rect.height();
    EXPECT_EQ(ScreenAt(rect.topLeft(), size), screen);
    EXPECT_EQ(ScreenAt(rect.bottomRight(), size), screen);
  }
  EXPECT_EQ(area, 410 * 154);
  EXPECT_EQ(ScreenAt(QPoint(410, 0), size), 0);
  EXPECT_EQ(ScreenAt(QPoint(-1, 5), size), 0);
}

TEST_F(WorldRenderingTest, ReadsStartAndOnlyARealEndScreen) {
  SolidWorld()
      .StartScreenByte(EncodeStartScreenByte(70))
      .Hook(kJsrOpcode, EndCodeBlockAddress(90))
      .Write(RomPath());
  WorldData world = Read();
  EXPECT_EQ(world.startScreen, 70);
  EXPECT_EQ(world.endScreen, 90);
  SolidWorld().StartScreenByte(100).Hook(kJsrOpcode, EndCodeBlockAddress(90) + 1).Write(RomPath());
  world = Read();
  EXPECT_FALSE(world.startScreen);
  EXPECT_FALSE(world.endScreen);
  SolidWorld().Hook(0xEA, EndCodeBlockAddress(90)).Write(RomPath());
  EXPECT_FALSE(Read().endScreen);
}

TEST_F(WorldRenderingTest, OverlaysFrameStartAndEndAndNumberScreens) {
  SolidWorld().Write(RomPath());
  const QImage plain = Render(0.25);
  QImage marked = plain;
  DrawWorldOverlays(marked, {20, 100});
  const QRect start = ScreenRect(20, marked.size());
  const QRect end = ScreenRect(100, marked.size());
  const QRect other = ScreenRect(50, marked.size());
  // Frames along the middle of each side, clear of the number in the corner.
  EXPECT_EQ(marked.pixel(start.center().x(), start.top()), kStartFrameColour);
  EXPECT_EQ(marked.pixel(start.left(), start.center().y()), kStartFrameColour);
  EXPECT_EQ(marked.pixel(end.center().x(), end.bottom() - 1), kEndFrameColour);
  EXPECT_NE(marked.pixel(other.center().x(), other.top()), kStartFrameColour);
  EXPECT_NE(marked.pixel(other.center().x(), other.top()), kEndFrameColour);
  // The middles are untouched; the numbered corners are not.
  EXPECT_EQ(marked.pixel(start.center()), plain.pixel(start.center()));
  EXPECT_NE(marked.copy(QRect(other.topLeft(), QSize(16, 14))),
            plain.copy(QRect(other.topLeft(), QSize(16, 14))));
}

TEST_F(WorldRenderingTest, StartAndEndOnOneScreenShowBothFrames) {
  SolidWorld().Write(RomPath());
  QImage marked = Render(0.25);
  DrawWorldOverlays(marked, {7, 7});
  const QRect rect = ScreenRect(7, marked.size());
  EXPECT_EQ(marked.pixel(rect.center().x(), rect.top()), kStartFrameColour);
  EXPECT_EQ(marked.pixel(rect.center().x(), rect.top() + 2), kEndFrameColour);
}

TEST_F(WorldRenderingTest, DifferentScreenNumbersLookDifferent) {
  // One backdrop colour everywhere, so only the digits can differ.
  QImage marked(WorldSize(0.25), QImage::Format_RGB32);
  marked.fill(Qt::gray);
  DrawWorldOverlays(marked, {});
  const auto corner = [&](int screen) {
    return marked.copy(QRect(ScreenRect(screen, marked.size()).topLeft(), QSize(30, 16)));
  };
  EXPECT_NE(corner(1), corner(7));
  EXPECT_NE(corner(12), corner(21));
  EXPECT_NE(corner(100), corner(128));
}

TEST_F(WorldRenderingTest, RenderingLeavesTheRomUnchangedAndClosed) {
  RomBuilder().DistinctScreens().Write(RomPath());
  const auto before = ReadFile(RomPath());
  Render(0.25);
  EXPECT_EQ(ReadFile(RomPath()), before);
  EXPECT_EQ(DescriptorsOpenOn(RomPath()), 0);
}

TEST_F(WorldRenderingTest, ShortRomFailsAndIsClosedAgain) {
  RomBuilder(20000).Write(RomPath());
  PictureFolder pictures(Folder());
  RomImage rom(RomPath());  // kept alive, so only the reading itself can have closed it
  try {
    RenderWorld(rom, pictures, 1.0);
    FAIL() << "no failure";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(), "Read beyond end of file");
  }
  EXPECT_FALSE(rom.isOpen());
  EXPECT_EQ(DescriptorsOpenOn(RomPath()), 0);
}

TEST_F(WorldRenderingTest, DescriptorCountSeesAnOpenRom) {
  SolidWorld().Write(RomPath());
  RomImage rom(RomPath());
  rom.Open();
  EXPECT_EQ(DescriptorsOpenOn(RomPath()), 1);
}

TEST_F(WorldRenderingTest, MissingRomFails) { EXPECT_THROW(Render(1.0), EditorError); }

}  // namespace
}  // namespace quelbrook::testing
