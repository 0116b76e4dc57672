#include "drawn_icon.h"

#include <QPixmap>

namespace quelbrook {

QIcon DrawnIcon(int side, const std::function<void(QPainter&)>& draw) {
  QPixmap picture(side, side);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(picture);
}

}  // namespace quelbrook
