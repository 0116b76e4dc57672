// Loading the program's bitmaps: the window's messages, and one read per picture.
#include "picture_folder.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <set>

#include "editor_error.h"
#include "indexed_bitmap.h"
#include "render_fixture.h"

namespace quelbrook::testing {
namespace {

using PictureFolderTest = RenderTest;

std::string FailureOf(const std::function<void()>& load) {
  try {
    load();
  } catch (const EditorError& error) {
    return error.what();
  }
  return "no failure";
}

TEST_F(PictureFolderTest, LoadsAPictureRelativeToTheFolder) {
  const QImage image = LoadBitmapImage(Folder(), "items/7.bmp");
  EXPECT_EQ(PixelAt(image, 3, 3), ItemColour(7));
}

TEST_F(PictureFolderTest, MissingFileNamesTheRelativePath) {
  QFile::remove(Folder() + "/items/7.bmp");
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Cannot open file items/7.bmp");
}

TEST_F(PictureFolderTest, FileThatIsNoBitmapIsNotValid) {
  WriteText(dir / "items" / "7.bmp", "not a picture at all");
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Bitmap image is not valid");
}

TEST_F(PictureFolderTest, PngContentUnderABitmapNameIsNotValid) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(Folder() + "/items/7.bmp", "PNG"));
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Bitmap image is not valid");
}

TEST_F(PictureFolderTest, BitmapCutShortIsNotValid) {
  auto bytes = ReadFile(dir / "items" / "7.bmp");
  bytes.resize(bytes.size() - 40);
  WriteFile(dir / "items" / "7.bmp", bytes);
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Bitmap image is not valid");
}

// Stretched onto a tile as a rendering draws it; under the sanitizers a lookup past the
// colour table would fail here.
QImage DrawnAsATile(const QImage& picture) {
  QImage tile(32, 32, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&tile);
  painter.drawImage(tile.rect(), picture);
  return tile;
}

TEST_F(PictureFolderTest, IndexedPicturesWithShortTablesLoadAndDrawTheirColours) {
  const auto ramp = [](int x, int y) { return (x + 32 * y) % 101; };
  WriteFile(dir / "graph" / "1.bmp", IndexedBitmap(8, 32, 32, 101, ramp));
  WriteFile(dir / "graph" / "2.bmp", IndexedBitmap(4, 32, 32, 3, [](int x, int) { return x % 3; }));
  WriteFile(dir / "graph" / "3.bmp", IndexedBitmap(1, 32, 32, 1, [](int, int) { return 0; }));
  const QImage eight = DrawnAsATile(LoadBitmapImage(Folder(), "graph/1.bmp"));
  EXPECT_EQ(eight.pixel(5, 3), TableColour(ramp(5, 3)));
  EXPECT_EQ(DrawnAsATile(LoadBitmapImage(Folder(), "graph/2.bmp")).pixel(2, 9), TableColour(2));
  EXPECT_EQ(DrawnAsATile(LoadBitmapImage(Folder(), "graph/3.bmp")).pixel(31, 31), TableColour(0));
}

// As bmpsuite's pal8badindex: 101 colours, and pixels naming colour 255.
TEST_F(PictureFolderTest, PixelsNamingColoursBeyondTheTableAreNotValid) {
  const auto lastPixelBeyond = [](int beyond) {
    return [beyond](int x, int y) { return x == 31 && y == 31 ? beyond : 0; };
  };
  WriteFile(dir / "graph" / "1.bmp", IndexedBitmap(8, 32, 32, 101, lastPixelBeyond(255)));
  WriteFile(dir / "graph" / "2.bmp", IndexedBitmap(8, 32, 32, 101, lastPixelBeyond(101)));
  WriteFile(dir / "graph" / "3.bmp", IndexedBitmap(4, 32, 32, 3, lastPixelBeyond(15)));
  WriteFile(dir / "graph" / "4.bmp", IndexedBitmap(1, 32, 32, 1, lastPixelBeyond(1)));
  PictureFolder pictures(Folder(), MissingPictures::kPlaceholder);
  for (const std::string path : {"graph/1.bmp", "graph/2.bmp", "graph/3.bmp", "graph/4.bmp"}) {
    EXPECT_EQ(FailureOf([&] { DrawnAsATile(LoadBitmapImage(Folder(), path)); }), "Bitmap image is not valid")
        << path;
    EXPECT_EQ(FailureOf([&] { pictures.picture(path); }), "Bitmap image is not valid") << path;
  }
  try {
    LoadBitmapImage(Folder(), "graph/1.bmp");
    ADD_FAILURE() << "loaded";
  } catch (const PictureNotValid& error) {
    EXPECT_EQ(error.path(), Folder().toStdString() + "/graph/1.bmp");
  }
}

TEST_F(PictureFolderTest, FolderOfAPicturesNameCannotBeOpened) {
  QFile::remove(Folder() + "/items/7.bmp");
  QDir().mkpath(Folder() + "/items/7.bmp");
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Cannot open file items/7.bmp");
}

// A pipe would block a plain open until some writer came; a huge file would be read whole.
TEST_F(PictureFolderTest, PipeAndHugeFileOfAPicturesNameAreRefusedWithoutReading) {
  const std::string pipe = Folder().toStdString() + "/items/7.bmp";
  QFile::remove(Folder() + "/items/7.bmp");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "items/7.bmp"); }), "Cannot open file items/7.bmp");

  QFile huge(Folder() + "/graph/9.bmp");
  ASSERT_TRUE(huge.resize(17 * 1024 * 1024));
  EXPECT_EQ(FailureOf([&] { LoadBitmapImage(Folder(), "graph/9.bmp"); }), "Bitmap image is not valid");
}

TEST_F(PictureFolderTest, FolderReadsEachPictureOnceAndANewFolderReadsAgain) {
  PictureFolder first(Folder());
  EXPECT_EQ(PixelAt(first.picture("graph/9.bmp"), 0, 0), TileColour(9));
  QFile::remove(Folder() + "/graph/9.bmp");
  EXPECT_EQ(PixelAt(first.picture("graph/9.bmp"), 0, 0), TileColour(9));
  PictureFolder second(Folder());
  EXPECT_EQ(FailureOf([&] { second.picture("graph/9.bmp"); }), "Cannot open file graph/9.bmp");
}

TEST_F(PictureFolderTest, PlaceholderIsAMagentaSquareInABorderShowingItsCode) {
  const QImage b0 = PlaceholderPicture(0xB0);
  ASSERT_EQ(b0.size(), QSize(kPlaceholderPixels, kPlaceholderPixels));
  EXPECT_EQ(b0.pixel(0, 0), kPlaceholderInkColour);
  EXPECT_EQ(b0.pixel(31, 31), kPlaceholderInkColour);
  EXPECT_EQ(b0.pixel(3, 3), kPlaceholderColour);
  int ink = 0;
  for (int y = 4; y < 28; ++y)
    for (int x = 4; x < 28; ++x) ink += b0.pixel(x, y) == kPlaceholderInkColour;
  EXPECT_GT(ink, 20);  // the code's glyphs
  EXPECT_NE(b0, PlaceholderPicture(0xB1));
  EXPECT_NE(PlaceholderPicture(0x8), PlaceholderPicture(0xB));
  EXPECT_NE(PlaceholderPicture(0xC), PlaceholderPicture(0xC0));
}

TEST_F(PictureFolderTest, PlaceholderFolderDrawsCodesWithoutAFileAndRecordsThem) {
  PictureFolder pictures(Folder(), MissingPictures::kPlaceholder);
  EXPECT_EQ(pictures.picture("graph/B0.bmp"), PlaceholderPicture(0xB0));
  EXPECT_EQ(pictures.picture("enemyes/10.bmp"), PlaceholderPicture(0x10));
  EXPECT_EQ(pictures.picture("graph/B0.bmp"), PlaceholderPicture(0xB0));
  EXPECT_EQ(PixelAt(pictures.picture("graph/9.bmp"), 0, 0), TileColour(9));
  EXPECT_EQ(pictures.missingPictures(), (std::set<std::string>{"enemyes/10.bmp", "graph/B0.bmp"}));
  // A file that is there but broken is refused all the same.
  QFile broken(Folder() + "/items/3.bmp");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not a bitmap");
  broken.close();
  EXPECT_EQ(FailureOf([&] { pictures.picture("items/3.bmp"); }), "Bitmap image is not valid");
  EXPECT_EQ(pictures.missingPictures().size(), 2u);
}

TEST_F(PictureFolderTest, RefusingFolderRecordsNothing) {
  PictureFolder pictures(Folder());
  EXPECT_EQ(FailureOf([&] { pictures.picture("graph/B0.bmp"); }), "Cannot open file graph/B0.bmp");
  EXPECT_TRUE(pictures.missingPictures().empty());
}

TEST_F(PictureFolderTest, MissingPicturesTextGroupsCodesByKindInCodeOrder) {
  EXPECT_EQ(MissingPicturesText({}), "");
  EXPECT_EQ(
      MissingPicturesText({"graph/C3.bmp", "graph/B0.bmp", "graph/F.bmp", "items/C.bmp", "enemyes/10.bmp"}),
      "tiles F, B0, C3; items C; enemies 10");
}

}  // namespace
}  // namespace quelbrook::testing
