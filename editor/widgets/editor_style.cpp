#include "editor_style.h"

#include "drawn_icon.h"

namespace quelbrook {

namespace {
// Two chevrons pointing right, as the platform's arrow shows them.
QIcon OverflowArrow() {
  return DrawnIcon(8, [](QPainter& painter) {
    painter.setPen(QPen(QColor(100, 100, 100), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal left : {1.0, 4.5})
      painter.drawPolyline(QPolygonF{{left, 1.5}, {left + 2.5, 4}, {left, 6.5}});
  });
}
}  // namespace

QIcon EditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return OverflowArrow();
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace quelbrook
