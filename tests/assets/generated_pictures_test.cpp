#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "asset_paths.h"

namespace quelbrook::testing {
namespace {

QImage Load(const std::string& relativePath) {
  return QImage(QString::fromStdString((AppDir() / relativePath).string()));
}

TEST(GeneratedPictures, EveryPictureTheEditorNamesDecodesAtItsSize) {
  for (const ExpectedPicture& picture : ExpectedFolderPictures()) {
    SCOPED_TRACE(picture.relativePath);
    const QImage image = Load(picture.relativePath);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), picture.width);
    EXPECT_EQ(image.height(), picture.height);
  }
}

// A painter that falls through to another's drawing would make two codes look alike.
void ExpectAllDifferent(const std::string& folder, int count) {
  std::set<QByteArray> seen;
  for (const std::string& name : NumberedPictures(folder, count)) {
    const QImage image = Load(name).convertToFormat(QImage::Format_RGB888);
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    EXPECT_TRUE(seen.insert(pixels).second) << name << " repeats an earlier picture";
  }
}

TEST(GeneratedPictures, NoTwoTilesAreTheSame) { ExpectAllDifferent("graph", 176); }
TEST(GeneratedPictures, NoTwoItemsAreTheSame) { ExpectAllDifferent("items", 12); }
TEST(GeneratedPictures, NoTwoEnemiesAreTheSame) { ExpectAllDifferent("enemyes", 16); }

TEST(GeneratedPictures, BlankTileIsOnePlainColour) {
  const QImage blank = Load("graph/0.bmp");
  for (int y = 0; y < blank.height(); ++y)
    for (int x = 0; x < blank.width(); ++x) ASSERT_EQ(blank.pixel(x, y), blank.pixel(0, 0)) << x << "," << y;
}

TEST(GeneratedPictures, EveryOtherTileHasDetail) {
  for (const std::string& name : NumberedPictures("graph", 176)) {
    if (name == "graph/0.bmp") continue;
    const QImage tile = Load(name);
    std::set<QRgb> colours;
    for (int y = 0; y < tile.height(); ++y)
      for (int x = 0; x < tile.width(); ++x) colours.insert(tile.pixel(x, y));
    EXPECT_GE(colours.size(), 2u) << name;  // a starry sky has two colours on the console
  }
}

}  // namespace
}  // namespace quelbrook::testing
