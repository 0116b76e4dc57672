// quelbrook render and render-world, run as the user runs them.
#include <QFile>
#include <QImage>
#include <QProcess>

#include "byte_map.h"
#include "indexed_bitmap.h"
#include "picture_folder.h"
#include "render_fixture.h"
#include "screen_decoding.h"
#include "world_geometry.h"
#include "world_overlays.h"

namespace quelbrook::testing {
namespace {

#ifdef QUELBROOK_TOOL_PATH

struct ToolRun {
  int exitCode = -1;
  QString err;
};

class RenderCommandsTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    SolidWorld().StartScreenByte(EncodeStartScreenByte(40)).Write(RomPath());
  }
  ToolRun Tool(QStringList words) {
    QProcess process;
    process.start(QUELBROOK_TOOL_PATH, words);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
  }
  QString Rom() const { return QString::fromStdString(RomPath()); }
  QString Out() const { return QString::fromStdString((dir / "out.png").string()); }
};

TEST_F(RenderCommandsTest, RenderWritesOneScreen) {
  const ToolRun run = Tool({"render", Rom(), "77", Out(), "--pictures", Folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage image(Out(), "PNG");
  ASSERT_EQ(image.size(), QSize(256, 192));
  EXPECT_EQ(PixelAt(image, 0, 0), TileColour(77));
  EXPECT_EQ(PixelAt(image, 255, 191), TileColour(77));
}

TEST_F(RenderCommandsTest, RenderWorldWritesTheFullSizeWorldByDefault) {
  const ToolRun run = Tool({"render-world", "--pictures", Folder(), Rom(), Out()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage image(Out(), "PNG");
  ASSERT_EQ(image.size(), QSize(4096, 1536));
  EXPECT_EQ(PixelAt(image, 256 * 3 + 10, 192 * 2 + 10), TileColour(36));
  // No marks unless asked for.
  const QRect start = ScreenRect(40, image.size());
  EXPECT_EQ(PixelAt(image, start.center().x(), start.top()), TileColour(40));
}

TEST_F(RenderCommandsTest, RenderWorldScalesAndAddsOverlays) {
  const ToolRun run =
      Tool({"render-world", Rom(), Out(), "--scale", "0.25", "--overlays", "--pictures", Folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage image(Out(), "PNG");
  ASSERT_EQ(image.size(), QSize(1024, 384));
  const QRect start = ScreenRect(40, image.size());
  EXPECT_EQ(image.pixel(start.center().x(), start.top()), kStartFrameColour);
  EXPECT_EQ(PixelAt(image, start.center().x(), start.center().y()), TileColour(40));
}

TEST_F(RenderCommandsTest, StrictRefusesAMissingPictureWithTheWindowsMessage) {
  QFile::remove(Folder() + "/graph/4.bmp");
  const ToolRun run = Tool({"render", Rom(), "4", Out(), "--pictures", Folder(), "--strict"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("Cannot open file graph/4.bmp")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(Out()));
  const ToolRun world = Tool({"render-world", "--strict", Rom(), Out(), "--pictures", Folder()});
  EXPECT_EQ(world.exitCode, 1);
  EXPECT_TRUE(world.err.contains("Cannot open file graph/4.bmp")) << world.err.toStdString();
  EXPECT_FALSE(QFile::exists(Out()));
}

TEST_F(RenderCommandsTest, RenderDrawsAMissingPictureAsAPlaceholderAndNamesIt) {
  QFile::remove(Folder() + "/graph/4.bmp");
  const ToolRun run = Tool({"render", Rom(), "4", Out(), "--pictures", Folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.err, "No picture, drawn as a placeholder: tiles 4\n");
  const QImage image(Out(), "PNG");
  ASSERT_EQ(image.size(), QSize(256, 192));
  EXPECT_EQ(image.pixel(40, 2), kPlaceholderColour);
}

// As in real ROMs: tile codes from B0 on, an item code above B, an enemy kind above F.
TEST_F(RenderCommandsTest, RenderWorldDrawsCodesWithoutAPictureAsPlaceholders) {
  ScreenData data = SolidScreen(0xB0);
  data.message = std::u16string(kMessageLength, u' ');
  data.tiles[47] = 0xFF;
  data.itemCode = 0xC;
  data.enemyKinds[3] = 0x10;
  SolidWorld().Screen(2, data).Write(RomPath());
  const ToolRun run = Tool({"render-world", Rom(), Out(), "--pictures", Folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.err, "No picture, drawn as a placeholder: tiles B0, FF; items C; enemies 10\n");
  const QImage image(Out(), "PNG");
  ASSERT_EQ(image.size(), QSize(4096, 1536));
  EXPECT_EQ(image.pixel(256 + 40, 2), kPlaceholderColour);
  EXPECT_EQ(PixelAt(image, 256 * 3 + 10, 192 * 2 + 10), TileColour(36));
}

// The file is named: the message alone would not tell which of 200 pictures it is.
TEST_F(RenderCommandsTest, APictureNamingColoursBeyondItsTableIsRefusedByName) {
  WriteFile(dir / "graph" / "4.bmp", IndexedBitmap(8, 32, 32, 101, [](int x, int) { return x * 8; }));
  for (const QStringList& words :
       {QStringList{"render", Rom(), "4", Out()}, QStringList{"render-world", Rom(), Out()}}) {
    const ToolRun run = Tool(words + QStringList{"--pictures", Folder()});
    EXPECT_EQ(run.exitCode, 1) << words.join(' ').toStdString();
    EXPECT_EQ(run.err, "quelbrook: " + Folder() + "/graph/4.bmp: Bitmap image is not valid\n");
    EXPECT_FALSE(QFile::exists(Out()));
  }
}

TEST_F(RenderCommandsTest, MissingRomFails) {
  const ToolRun run = Tool({"render-world", Rom() + ".none", Out(), "--pictures", Folder()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("File not found")) << run.err.toStdString();
}

TEST_F(RenderCommandsTest, UnwritableOutputFails) {
  const ToolRun run = Tool({"render", Rom(), "4", Folder() + "/no folder/out.png", "--pictures", Folder()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains("Cannot write file")) << run.err.toStdString();
}

TEST_F(RenderCommandsTest, WrongWordsAreUsageErrors) {
  for (const QStringList& words :
       {QStringList{"render", Rom(), "129", Out()}, QStringList{"render", Rom(), Out()},
        QStringList{"render-world", Rom(), Out(), "--scale", "3"},
        QStringList{"render-world", Rom(), Out(), "--scale", "half"},
        QStringList{"render-world", Rom(), Out(), "--scale"},
        QStringList{"render", Rom(), "4", Out(), "--bold"}}) {
    const ToolRun run = Tool(words);
    EXPECT_EQ(run.exitCode, 2) << words.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("Usage: quelbrook render")) << run.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(Out()));
}

TEST_F(RenderCommandsTest, PicturesDefaultToTheProgramsFolder) {
  // The tool lies in the build's app folder beside the generated pictures.
  const ToolRun run = Tool({"render", Rom(), "4", Out()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QImage image(Out(), "PNG");
  EXPECT_EQ(image.size(), QSize(256, 192));
  EXPECT_NE(PixelAt(image, 0, 0), TileColour(4));  // not the test's pictures
}

#endif

}  // namespace
}  // namespace quelbrook::testing
