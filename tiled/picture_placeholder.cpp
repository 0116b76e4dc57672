#include "picture_placeholder.h"

#include <QPainter>

#include "digit_glyphs.h"

namespace quelbrook {

QImage PlaceholderPicture(int code, QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor(255, 0, 255));
  QPainter painter(&picture);
  DrawNumber(painter, QPoint(1, 1), code, 1, Qt::black);
  return picture;
}

}  // namespace quelbrook
