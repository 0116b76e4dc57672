#include "world_screen_pictures.h"

#include <QPainter>
#include <algorithm>

#include "digit_glyphs.h"
#include "screen_rendering.h"
#include "world_document.h"
#include "world_pictures.h"

namespace quelbrook {

namespace {

void DrawObjects(QPainter& painter, QPoint origin, const RecordBytes& record, int cellSize,
                 const WorldPictures& pictures) {
  for (int object = 0; object < kWorldObjectCount; ++object) {
    const auto corner =
        RenderedMarkerCorner(record[static_cast<std::size_t>(DestinationByteOfObject(object))]);
    if (!corner) continue;
    const QPixmap& picture = object == 0 ? pictures.scaledItem(record[kRecordItem])
                                         : pictures.scaledEnemy(record[kRecordEnemyKinds + object - 1]);
    painter.drawPixmap(origin + *corner * cellSize / kTilePixels, picture);
  }
}

void DrawScreenNumber(QPainter& painter, QPoint origin, int screen, int cellSize) {
  const int square = std::max(1, cellSize / 16);
  const QPoint corner = origin + QPoint(1, 1);
  // A dark backing keeps white digits readable over any tile.
  painter.fillRect(QRect(corner, NumberSize(screen, square) + QSize(2 * square, 2 * square)),
                   QColor(0, 0, 0, 160));
  DrawNumber(painter, corner + QPoint(square, square), screen, square, Qt::white);
}
// A small grey square in the top right corner: the console's picture is on its way.
void DrawPendingMark(QPainter& painter, QPoint origin, int cellSize) {
  const int side = std::max(2, cellSize / 5);
  painter.fillRect(QRect(origin + QPoint(kGridColumns * cellSize - side - 2, 2), QSize(side, side)),
                   QColor(160, 160, 160));
}
}  // namespace

void DrawScreen(QPainter& painter, QPoint origin, int screen, const RecordBytes& record,
                const ScreenLook& look, const WorldPictures& pictures, const QImage& field) {
  const int size = look.cellSize;
  if (look.console && !field.isNull()) {
    painter.drawImage(QRect(origin, QSize(kGridColumns * size, kGridRows * size)), field);
  } else {
    for (int index = 0; index < kTileCount; ++index)
      painter.drawPixmap(origin + QPoint(index % kGridColumns * size, index / kGridColumns * size),
                         pictures.scaledTile(record[static_cast<std::size_t>(kRecordTiles + index)]));
    if (look.console) DrawPendingMark(painter, origin, size);
  }
  if (look.objects) DrawObjects(painter, origin, record, size, pictures);
  if (look.number) DrawScreenNumber(painter, origin, screen, size);
}

const QPixmap& WorldScreenPictures::picture(int screen, const RecordBytes& record, const ScreenLook& look,
                                            const QImage& field) {
  Kept& kept = kept_[static_cast<std::size_t>(screen - 1)];
  if (kept.picture.isNull() || kept.record != record || !(kept.look == look) ||
      kept.field != field.cacheKey()) {
    const QSize size(kGridColumns * look.cellSize, kGridRows * look.cellSize);
    if (kept.picture.size() != size) kept.picture = QPixmap(size);
    QPainter painter(&kept.picture);
    DrawScreen(painter, {0, 0}, screen, record, look, pictures_, field);
    kept.record = record;
    kept.look = look;
    kept.field = field.cacheKey();
  }
  return kept.picture;
}

}  // namespace quelbrook
