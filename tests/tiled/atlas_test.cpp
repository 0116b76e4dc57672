// The atlases hold every code: its picture, or the renderer's placeholder.
#include <gtest/gtest.h>

#include <QPainter>

#include "asset_folder.h"
#include "picture_folder.h"
#include "rom_builder.h"
#include "world_atlases.h"

namespace quelbrook::testing {
namespace {

QImage Scaled(const QImage& picture, int size) {
  QImage out(size, size, QImage::Format_RGB32);
  QPainter(&out).drawImage(QRect(0, 0, size, size), picture);
  return out;
}

TEST(WorldAtlases, EveryCodeHasItsPictureOrThePlaceholder) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.path().string());
  MakeAssetFolder(folder);
  PictureFolder pictures(folder, MissingPictures::kPlaceholder);
  const QImage tiles = TileAtlas(pictures);
  ASSERT_EQ(tiles.size(), QSize(512, 512));
  EXPECT_EQ(tiles.copy(5 * 32, 0, 32, 32), Scaled(LoadBitmapImage(folder, "graph/5.bmp"), 32));
  EXPECT_EQ(tiles.copy(0, 11 * 32, 32, 32), Scaled(PlaceholderPicture(0xB0), 32));

  const QImage objects = ObjectAtlas(pictures);
  ASSERT_EQ(objects.size(), QSize(256, 512));
  EXPECT_EQ(objects.copy(11 * 16, 0, 16, 16), Scaled(LoadBitmapImage(folder, "items/B.bmp"), 16));
  EXPECT_EQ(objects.copy(12 * 16, 0, 16, 16), Scaled(PlaceholderPicture(0x0C), 16));
  EXPECT_EQ(objects.copy(3 * 16, 16 * 16, 16, 16), Scaled(LoadBitmapImage(folder, "enemyes/3.bmp"), 16));
  EXPECT_EQ(objects.copy(0, 17 * 16, 16, 16), Scaled(PlaceholderPicture(0x10), 16));
}

}  // namespace
}  // namespace quelbrook::testing
