// The demo ROM's screens and tiles as its game draws them, through the real core: the console
// picture of every screen is the played copy's play field and the editor's picture, and a tile
// out of its region takes the colours of the screen it is painted on.

#include "console_pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <map>

#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "learning_copies.h"
#include "picture_folder.h"
#include "picture_votes.h"
#include "screen_rendering.h"
#include "shared_console.h"
#include "test_copies.h"
#include "whole_world_runs.h"

namespace quelbrook::testing {
namespace {

const QString kDemo = QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes");
constexpr QPoint kDemoOrigin(0, 16);
constexpr int kForestScreen = 55;  // the hut in the forest
constexpr int kBrick = 0x30;       // the castle's
constexpr int kPaintedCell = 9;    // open sky above the hut
constexpr int kPlayFrames = 60;    // quelbrook play's

class ConsolePicturesTest : public SharedConsoleTest {
 protected:
  static RecordBytes DemoRecord(int screen) {
    return learn::ReadRecords(kDemo)[static_cast<std::size_t>(screen - 1)];
  }
  static learn::PalettePair PalettesOf(const RecordBytes& record) {
    return {record[kRecordPalette1], record[kRecordPalette2]};
  }

  static QString Saved() { return Folder("saved.nes"); }
};

// What `quelbrook play --screen N` shows: the copy run for its frames, at the play field.
QImage PlayedField(play::Console& console, int screen) {
  console.LoadRom(play::TestCopyBytes(kDemo, screen), kDemo);
  for (int frame = 0; frame < kPlayFrames; ++frame) console.RunFrame();
  return learn::PlayFieldOf(console.Frame(), kDemoOrigin);
}

TEST_F(ConsolePicturesTest, EveryScreenIsThePlayedCopysPlayFieldAndTheEditorsPicture) {
  learn::ConsolePictures pictures(*host, {{}, 12, kDemoOrigin});
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
    EXPECT_EQ(picture, PlayedField(*host, screen)) << "screen " << screen;
    EXPECT_EQ(picture,
              RenderScreen(DecodeScreenRecord(records[static_cast<std::size_t>(screen - 1)]), shipped)
                  .convertToFormat(QImage::Format_RGB32))
        << "screen " << screen;
  }
}

TEST_F(ConsolePicturesTest, ABrickInTheForestTakesTheForestsColoursOnTheConsoleOnly) {
  learn::ConsolePictures pictures(*host, {{}, 12, kDemoOrigin});
  RecordBytes painted = DemoRecord(kForestScreen);
  painted[kPaintedCell] = kBrick;
  const QImage screen = pictures.Screen(kDemo, kForestScreen, painted);
  const QRect cell = learn::CellInFrame(QPoint(), kPaintedCell);
  PictureFolder shipped(QUELBROOK_TEST_APP_DIR);
  const QImage ownColours =
      shipped.picture(TileBitmapPath(IntToHexText(kBrick))).convertToFormat(QImage::Format_RGB32);
  const QImage forestBrick = pictures.Tile(kDemo, PalettesOf(painted), kBrick);
  EXPECT_NE(forestBrick, ownColours);
  EXPECT_EQ(screen.copy(cell), forestBrick);
  // The same drawing in other colours: each of its own colours always becomes one other.
  std::map<QRgb, QRgb> recoloured;
  for (int y = 0; y < kTilePixels; ++y)
    for (int x = 0; x < kTilePixels; ++x) {
      const auto [colour, added] = recoloured.emplace(ownColours.pixel(x, y), forestBrick.pixel(x, y));
      ASSERT_EQ(colour->second, forestBrick.pixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(
      RenderScreen(DecodeScreenRecord(painted), shipped).convertToFormat(QImage::Format_RGB32).copy(cell),
      ownColours);
  // In its own region, the castle, the console draws it as the editor does.
  EXPECT_EQ(pictures.Tile(kDemo, PalettesOf(DemoRecord(24)), kBrick), ownColours);
}

// A picture asked for again, or a screen whose record is unchanged while others changed, runs
// no frame; a changed record or another palette pair does.
TEST_F(ConsolePicturesTest, OnlyWhatChangedRunsTheGameAgain) {
  learn::ConsolePictures pictures(*host, {{}, 12, kDemoOrigin});
  const RecordBytes forest = DemoRecord(kForestScreen);
  // Whether the capture loaded a copy into the console.
  auto ranTheGame = [&](const auto& capture) {
    host->UnloadRom();
    capture();
    return host->HasRom();
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

// An origin found is taken by the next ConsolePictures for the same game and settings, the
// ROM's records saved or not; other code or tiles, or another way of running it, search again.
TEST_F(ConsolePicturesTest, AFoundOriginServesTheSameGameRunTheSameWay) {
  learn::FoundOrigins origins;
  const learn::CaptureSettings searching{{}, 12, std::nullopt};
  // Whether finding the origin ran the game.
  auto searched = [&](const learn::CaptureSettings& settings, const QString& rom) {
    learn::ConsolePictures pictures(*host, settings, origins);
    host->UnloadRom();
    EXPECT_EQ(pictures.Origin(rom), kDemoOrigin);
    return host->HasRom();
  };
  EXPECT_TRUE(searched(searching, kDemo));
  EXPECT_FALSE(searched(searching, kDemo));

  const QString copy = Folder("same_game.nes");
  QFile::remove(copy);
  ASSERT_TRUE(QFile::copy(kDemo, copy));
  QFile saved(copy);
  ASSERT_TRUE(saved.open(QIODevice::ReadWrite));
  RecordBytes painted = DemoRecord(kForestScreen);
  painted[kPaintedCell] = kBrick;
  ASSERT_TRUE(saved.seek(ScreenRecordOffset(kForestScreen)));
  saved.write(reinterpret_cast<const char*>(painted.data()), kScreenRecordLength);
  saved.flush();
  EXPECT_FALSE(searched(searching, copy)) << "a record saved";

  // Each search from here on repeats the first over the same 128 screens.
  QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN();
  // Another build of the game: a byte of the unused fill before the vectors changed.
  constexpr int kFillFromEnd = 16;
  ASSERT_TRUE(saved.seek(saved.size() - kFillFromEnd));
  ASSERT_EQ(saved.peek(1), QByteArray(1, '\0'));
  saved.write("\x5a", 1);
  saved.flush();
  EXPECT_TRUE(searched(searching, copy)) << "other tiles";
  EXPECT_TRUE(searched({{}, 13, std::nullopt}, kDemo)) << "other frames";
}

TEST_F(ConsolePicturesTest, ATilePaletteStopsWhenCancelled) {
  learn::ConsolePictures pictures(*host, {{}, 12, kDemoOrigin});
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
  learn::ConsolePictures offTheFrame(*host, {{}, 12, QPoint(0, 100)});
  try {
    offTheFrame.Screen(kDemo, kForestScreen);
    ADD_FAILURE() << "captured off the frame";
  } catch (const EditorError& error) {
    EXPECT_STREQ(error.what(),
                 "The play field at the origin 0,100 does not fit in the game's 256 x 240 frames");
  }
  EXPECT_THROW(learn::ConsolePictures(*host, {"jump:3", 12, {}}), EditorError);
}

}  // namespace
}  // namespace quelbrook::testing
