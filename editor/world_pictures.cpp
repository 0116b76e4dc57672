#include "world_pictures.h"

#include <QPainter>

#include "editor_error.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "picture_folder.h"

namespace quelbrook {

namespace {
constexpr int kTileSide = 32;
constexpr int kMarkerSide = 16;

// A crossed square with the code in it: clearly not a picture of the game.
QPixmap Placeholder(int code, int side) {
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, side - 1, side - 1);
  painter.drawLine(0, 0, side - 1, side - 1);
  painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QString::fromStdString(IntToHexText(code)));
  return QPixmap::fromImage(image);
}
}  // namespace

const WorldPictures::Slot& WorldPictures::slot(Set& set, int code, int side,
                                               std::string (*pathOf)(const std::string&)) const {
  Slot& slot = set[static_cast<std::size_t>(code)];
  if (!slot.picture.isNull()) return slot;
  try {
    slot.picture = QPixmap::fromImage(LoadBitmapImage(directory_, pathOf(IntToHexText(code))));
    slot.found = true;
  } catch (const EditorError&) {
    slot.picture = Placeholder(code, side);
  }
  return slot;
}

const QPixmap& WorldPictures::tile(int code) const { return slot(tiles_, code, kTileSide, TileBitmapPath).picture; }

const QPixmap& WorldPictures::item(int code) const {
  return slot(items_, code, kMarkerSide, ItemBitmapPath).picture;
}

const QPixmap& WorldPictures::enemy(int kind) const {
  return slot(enemies_, kind, kMarkerSide, EnemyBitmapPath).picture;
}

bool WorldPictures::hasTilePicture(int code) const { return slot(tiles_, code, kTileSide, TileBitmapPath).found; }

const QPixmap& WorldPictures::scaledTile(int code) const {
  QPixmap& scaled = scaledTiles_[static_cast<std::size_t>(code)];
  if (scaled.isNull()) {
    const QPixmap& full = tile(code);
    scaled = cellSize_ == full.width() && cellSize_ == full.height()
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
