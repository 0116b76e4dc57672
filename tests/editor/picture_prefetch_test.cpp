// The start-up's pictures read ahead at the window's choice: served as the files would be,
// failures included, and only while the prefetch lasts.
#include "picture_prefetch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "asset_folder.h"
#include "editor_error.h"
#include "picture_loader.h"

namespace quelbrook::testing {
namespace {

class PicturePrefetchTest : public ::testing::Test {
 protected:
  PicturePrefetchTest() {
    MakeAssetFolder(folder.path());
    QFile bad(folder.filePath("graph/5.bmp"));
    bad.open(QIODevice::WriteOnly | QIODevice::Truncate);
    bad.write("BM not a bitmap");
  }
  void Repaint(const QString& relative, QColor colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(folder.filePath(relative), "BMP"));
  }
  static std::string MessageOf(const PictureLoader& loader, const std::string& path) {
    try {
      loader.load(path);
    } catch (const EditorError& error) {
      return error.what();
    }
    return "no failure";
  }

  QTemporaryDir folder;
};

TEST_F(PicturePrefetchTest, ServesItsFolderAsTheFilesWouldIncludingFailures) {
  std::optional<PicturePrefetch> prefetch(
      std::in_place, folder.path(),
      std::vector<std::string>{"graph/3.bmp", "graph/3.bmp", "graph/5.bmp", "graph/missing.bmp"});
  PicturePrefetch::ReadNow();
  // Served from what was read then, not from the file, as long as the prefetch lasts.
  Repaint("graph/3.bmp", Qt::white);
  const PictureLoader loader(folder.path() + "/graph/..");
  EXPECT_EQ(CentreColour(loader.load("graph/3.bmp")), TileColour(3));
  EXPECT_EQ(MessageOf(loader, "graph/5.bmp"), "Bitmap image is not valid");
  EXPECT_EQ(MessageOf(loader, "graph/missing.bmp"), "Cannot open file graph/missing.bmp");
  EXPECT_EQ(CentreColour(loader.load("graph/7.bmp")), TileColour(7)) << "a path it did not read";

  prefetch.reset();
  Repaint("graph/3.bmp", Qt::black);
  EXPECT_EQ(CentreColour(loader.load("graph/3.bmp")), QColor(Qt::black)) << "afterwards the file is read";
}

TEST_F(PicturePrefetchTest, AnotherFolderReadsItsOwnFiles) {
  QTemporaryDir other;
  MakeAssetFolder(other.path());
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(Qt::yellow);
  ASSERT_TRUE(image.save(QDir(other.path()).filePath("graph/3.bmp"), "BMP"));
  const PicturePrefetch prefetch(folder.path(), {"graph/3.bmp"});
  EXPECT_EQ(CentreColour(PictureLoader(other.path()).load("graph/3.bmp")), QColor(Qt::yellow));
}

}  // namespace
}  // namespace quelbrook::testing
