#include "world_pictures.h"

#include <algorithm>

#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"

namespace quelbrook {

const QPixmap& WorldPictures::picture(Set& set, int code, std::string (*pathOf)(const std::string&)) const {
  QPixmap& picture = set[static_cast<std::size_t>(code)];
  if (!picture.isNull()) return picture;
  const std::string path = pathOf(IntToHexText(code));
  try {
    picture = QPixmap::fromImage(folder_.picture(path));
  } catch (const EditorError&) {
    // A file that is there but is no bitmap: the canvas must still draw something.
    picture = QPixmap::fromImage(PlaceholderPicture(code));
    unreadable_.insert(path);
  }
  return picture;
}

const QPixmap& WorldPictures::tile(int code) const { return picture(tiles_, code, TileBitmapPath); }

const QPixmap& WorldPictures::item(int code) const { return picture(items_, code, ItemBitmapPath); }

const QPixmap& WorldPictures::enemy(int kind) const { return picture(enemies_, kind, EnemyBitmapPath); }

bool WorldPictures::hasTilePicture(int code) const {
  tile(code);
  const std::string path = TileBitmapPath(IntToHexText(code));
  return !folder_.missingPictures().count(path) && !unreadable_.count(path);
}

std::string WorldPictures::missingText() const {
  std::set<std::string> paths = folder_.missingPictures();
  paths.insert(unreadable_.begin(), unreadable_.end());
  return MissingPicturesText(paths);
}

const QPixmap& WorldPictures::scaled(Set& cache, const QPixmap& full, int code, int side) {
  QPixmap& scaled = cache[static_cast<std::size_t>(code)];
  if (scaled.isNull())
    scaled = full.size() == QSize(side, side)
                 ? full
                 : full.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return scaled;
}

const QPixmap& WorldPictures::scaledTile(int code) const {
  return scaled(scaledTiles_, tile(code), code, cellSize_);
}

const QPixmap& WorldPictures::scaledItem(int code) const {
  return scaled(scaledItems_, item(code), code, std::max(1, cellSize_ / 2));
}

const QPixmap& WorldPictures::scaledEnemy(int kind) const {
  return scaled(scaledEnemies_, enemy(kind), kind, std::max(1, cellSize_ / 2));
}

void WorldPictures::setCellSize(int pixels) {
  if (pixels == cellSize_) return;
  cellSize_ = pixels;
  for (Set* cache : {&scaledTiles_, &scaledItems_, &scaledEnemies_})
    for (auto& scaled : *cache) scaled = QPixmap();
}

void WorldPictures::setDirectory(QString directory) {
  folder_ = PictureFolder(std::move(directory), MissingPictures::kPlaceholder);
  unreadable_.clear();
  for (Set* cache : {&tiles_, &items_, &enemies_, &scaledTiles_, &scaledItems_, &scaledEnemies_})
    for (auto& picture : *cache) picture = QPixmap();
}

}  // namespace quelbrook
