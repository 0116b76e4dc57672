// Loading the program's bitmaps: the window's messages, and one read per picture.
#include "picture_folder.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "editor_error.h"
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

}  // namespace
}  // namespace quelbrook::testing
