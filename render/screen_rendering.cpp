#include "screen_rendering.h"

#include <QPainter>

#include "byte_map.h"
#include "destination.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "screen_value.h"

namespace quelbrook {

namespace {
void DrawMarker(QPainter& painter, const QImage& picture, int destination) {
  if (auto corner = RenderedMarkerCorner(destination))
    painter.drawImage(QRect(*corner, QSize(kMarkerPixels, kMarkerPixels)), picture);
}
}  // namespace

std::optional<QPoint> RenderedMarkerCorner(int destination) {
  destination = ShownDestination(destination);
  if (destination < 0 || destination > kLastDestination) return std::nullopt;
  return QPoint(destination % kDestinationColumns * kMarkerPixels,
                destination / kDestinationColumns * kMarkerPixels);
}

QImage RenderScreen(const ScreenData& screen, PictureSource& pictures) {
  QImage image(kScreenPixelWidth, kScreenPixelHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  for (int cell = 0; cell < kTileCount; ++cell) {
    const QRect target(cell % kGridColumns * kTilePixels, cell / kGridColumns * kTilePixels, kTilePixels,
                       kTilePixels);
    painter.drawImage(target, pictures.picture(TileBitmapPath(IntToHexText(screen.tiles[cell]))));
  }
  // Later markers cover earlier ones, as the window stacks them: the item first.
  DrawMarker(painter, pictures.picture(ItemBitmapPath(IntToHexText(screen.itemCode))),
             screen.itemDestination);
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    DrawMarker(painter, pictures.picture(EnemyBitmapPath(IntToHexText(screen.enemyKinds[enemy]))),
               screen.enemyDestinations[enemy]);
  return image;
}

}  // namespace quelbrook
