// The demo ROM's screens and tiles as its game draws them, through the real core: the console
// picture of every screen is the played copy's play field and the editor's picture, and a tile
// out of its region takes the colours of the screen it is painted on.

#include "console_pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "console_process.h"
#include "core_search.h"
#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "learning_copies.h"
#include "picture_folder.h"
#include "rom_builder.h"
#include "screen_rendering.h"
#include "test_copies.h"

namespace quelbrook::testing {
namespace {

const QString kDemo = QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes");
constexpr QPoint kDemoOrigin(0, 16);
constexpr int kForestScreen = 55;  // the hut in the forest
constexpr int kBrick = 0x30;       // the castle's
constexpr int kPaintedCell = 9;    // open sky above the hut
constexpr int kPlayFrames = 60;    // quelbrook play's

// One console for the file's tests, as the windows keep one: starting it costs.
class ConsolePicturesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folders = new TempDir;
    console = new play::ConsoleProcess(play::ChooseNesCore({}),
                                       QString::fromStdString((*folders / "play").string()));
  }
  static void TearDownTestSuite() {
    delete console;
    delete folders;
  }

  static RecordBytes DemoRecord(int screen) {
    return learn::ReadRecords(kDemo)[static_cast<std::size_t>(screen - 1)];
  }
  static learn::PalettePair PalettesOf(const RecordBytes& record) {
    return {record[kRecordPalette1], record[kRecordPalette2]};
  }

  static QString Saved() { return QString::fromStdString((*folders / "saved.nes").string()); }

  static inline TempDir* folders = nullptr;
  static inline play::ConsoleProcess* console = nullptr;
};

// What `quelbrook play --screen N` shows: the copy run for its frames, at the play field.
QImage PlayedField(play::Console& console, int screen) {
  console.LoadRom(play::TestCopyBytes(kDemo, screen), kDemo);
  for (int frame = 0; frame < kPlayFrames; ++frame) console.RunFrame();
  return learn::PlayFieldOf(console.Frame(), kDemoOrigin);
}

TEST_F(ConsolePicturesTest, EveryScreenIsThePlayedCopysPlayFieldAndTheEditorsPicture) {
  learn::ConsolePictures pictures(*console, {});
  EXPECT_EQ(pictures.Origin(kDemo), kDemoOrigin);
  int reported = 0;
  const std::vector<QImage> world = pictures.World(kDemo, {}, [&](int done, int total) {
    EXPECT_EQ(total, kScreenCount);
    reported = done;
    return true;
  });
  ASSERT_EQ(world.size(), static_cast<std::size_t>(kScreenCount));
  EXPECT_EQ(reported, kScreenCount);
  const learn::Records records = learn::ReadRecords(kDemo);
  PictureFolder shipped(QUELBROOK_TEST_APP_DIR);
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const QImage& picture = world[static_cast<std::size_t>(screen - 1)];
    ASSERT_EQ(picture.size(), QSize(kScreenPixelWidth, kScreenPixelHeight));
    ASSERT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture, PlayedField(*console, screen)) << "screen " << screen;
    EXPECT_EQ(picture,
              RenderScreen(DecodeScreenRecord(records[static_cast<std::size_t>(screen - 1)]), shipped)
                  .convertToFormat(QImage::Format_RGB32))
        << "screen " << screen;
  }
}

TEST_F(ConsolePicturesTest, ABrickInTheForestTakesTheForestsColoursOnTheConsoleOnly) {
  learn::ConsolePictures pictures(*console, {{}, 12, kDemoOrigin});
  RecordBytes painted = DemoRecord(kForestScreen);
  painted[kPaintedCell] = kBrick;
  const QImage screen = pictures.Screen(kDemo, kForestScreen, painted);
  const QRect cell(kPaintedCell % kGridColumns * kTilePixels, kPaintedCell / kGridColumns * kTilePixels,
                   kTilePixels, kTilePixels);
  PictureFolder shipped(QUELBROOK_TEST_APP_DIR);
  const QImage ownColours =
      shipped.picture(TileBitmapPath(IntToHexText(kBrick))).convertToFormat(QImage::Format_RGB32);
  const QImage forestBrick = pictures.Tile(kDemo, PalettesOf(painted), kBrick);
  EXPECT_NE(forestBrick, ownColours);
  EXPECT_EQ(screen.copy(cell), forestBrick);
  EXPECT_EQ(
      RenderScreen(DecodeScreenRecord(painted), shipped).convertToFormat(QImage::Format_RGB32).copy(cell),
      ownColours);
  // In its own region, the castle, the console draws it as the editor does.
  EXPECT_EQ(pictures.Tile(kDemo, PalettesOf(DemoRecord(24)), kBrick), ownColours);
}

// A picture asked for again, or a screen whose record is unchanged while others changed, runs
// no frame; a changed record or another palette pair does.
TEST_F(ConsolePicturesTest, OnlyWhatChangedRunsTheGameAgain) {
  learn::ConsolePictures pictures(*console, {{}, 12, kDemoOrigin});
  const RecordBytes forest = DemoRecord(kForestScreen);
  // Whether the capture loaded a copy into the console.
  auto ranTheGame = [&](const auto& capture) {
    console->UnloadRom();
    capture();
    return console->HasRom();
  };
  const QImage first = pictures.Screen(kDemo, kForestScreen);
  EXPECT_FALSE(ranTheGame([&] { EXPECT_EQ(pictures.Screen(kDemo, kForestScreen, forest), first); }));
  RecordBytes painted = forest;
  painted[kPaintedCell] = kBrick;
  // The ROM saved with another screen painted.
  QFile::copy(kDemo, Saved());
  {
    QFile saved(Saved());
    ASSERT_TRUE(saved.open(QIODevice::ReadWrite) && saved.seek(ScreenRecordOffset(kForestScreen + 1)));
    saved.write(reinterpret_cast<const char*>(painted.data()), kScreenRecordLength);
  }
  EXPECT_FALSE(ranTheGame([&] { EXPECT_EQ(pictures.Screen(Saved(), kForestScreen), first); }));
  EXPECT_TRUE(ranTheGame([&] { pictures.Screen(Saved(), kForestScreen + 1); }));
  EXPECT_TRUE(ranTheGame([&] { EXPECT_NE(pictures.Screen(kDemo, kForestScreen, painted), first); }));

  pictures.Tile(kDemo, PalettesOf(forest), kBrick);
  const int sameForest = 56;
  ASSERT_EQ(PalettesOf(DemoRecord(sameForest)).palette1, PalettesOf(forest).palette1);
  EXPECT_FALSE(ranTheGame([&] { pictures.Tile(kDemo, PalettesOf(DemoRecord(sameForest)), kBrick); }));
  EXPECT_TRUE(ranTheGame([&] { pictures.Tile(kDemo, PalettesOf(DemoRecord(24)), kBrick); }));
}

TEST_F(ConsolePicturesTest, ATilePaletteStopsWhenCancelled) {
  learn::ConsolePictures pictures(*console, {{}, 12, kDemoOrigin});
  int asked = 0;
  EXPECT_TRUE(pictures
                  .TilePalette(kDemo, PalettesOf(DemoRecord(24)),
                               [&](int done, int total) {
                                 EXPECT_EQ(total, kTilePictureCount);
                                 asked = done;
                                 return done < 3;
                               })
                  .empty());
  EXPECT_EQ(asked, 3);
}

TEST_F(ConsolePicturesTest, AnOriginOffTheFrameOrAScriptThatIsOffIsRefused) {
  learn::ConsolePictures offTheFrame(*console, {{}, 12, QPoint(0, 100)});
  try {
    offTheFrame.Screen(kDemo, kForestScreen);
    ADD_FAILURE() << "captured off the frame";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(),
                 "The play field at the origin 0,100 does not fit in the game's 256 x 240 frames");
  }
  EXPECT_THROW(learn::ConsolePictures(*console, {"jump:3", 12, {}}), EditorError);
}

}  // namespace
}  // namespace quelbrook::testing
