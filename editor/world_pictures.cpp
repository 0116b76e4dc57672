#include "world_pictures.h"

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

const QPixmap& WorldPictures::scaledTile(int code) const {
  QPixmap& scaled = scaledTiles_[static_cast<std::size_t>(code)];
  if (scaled.isNull()) {
    const QPixmap& full = tile(code);
    scaled = full.size() == QSize(cellSize_, cellSize_)
                 ? full
                 : full.scaled(cellSize_, cellSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return scaled;
}

void WorldPictures::setCellSize(int pixels) {
  if (pixels == cellSize_) return;
  cellSize_ = pixels;
  for (auto& scaled : scaledTiles_) scaled = QPixmap();
}

}  // namespace quelbrook
