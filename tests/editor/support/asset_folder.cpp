#include "asset_folder.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <stdexcept>

#include "hex_text.h"

namespace quelbrook::testing {

namespace {
void WritePicture(const QString& folder, const QString& relative, QColor colour, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  const QString path = QDir(folder).filePath(relative);
  QDir().mkpath(QFileInfo(path).path());
  if (!image.save(path, "BMP")) throw std::runtime_error("cannot write " + path.toStdString());
}

QString Hex(int value) { return QString::fromStdString(IntToHexText(value)); }
}  // namespace

QColor TileColour(int tile) { return QColor(tile, 255 - tile, 10); }
QColor ItemColour(int code) { return QColor(20, 10 * code, 200); }
QColor EnemyColour(int kind) { return QColor(200, 30, 10 * kind); }
QColor InfoColour(int number) { return QColor(60 * number, 60, 60); }

void MakeAssetFolder(const QString& folder) {
  for (int tile = 0; tile < 176; ++tile)
    WritePicture(folder, "graph/" + Hex(tile) + ".bmp", TileColour(tile), {32, 32});
  for (int code = 0; code < 12; ++code)
    WritePicture(folder, "items/" + Hex(code) + ".bmp", ItemColour(code), {32, 32});
  for (int kind = 0; kind < 16; ++kind)
    WritePicture(folder, "enemyes/" + Hex(kind) + ".bmp", EnemyColour(kind), {32, 32});
  for (int number = 1; number <= 2; ++number)
    WritePicture(folder, "info/info" + QString::number(number) + ".bmp", InfoColour(number), {529, 148});
}

QColor CentreColour(const QPixmap& picture) {
  const QImage image = picture.toImage();
  if (image.isNull()) return QColor();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace quelbrook::testing
