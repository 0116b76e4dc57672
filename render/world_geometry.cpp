#include "world_geometry.h"

#include <cmath>
#include <sstream>

#include "byte_map.h"
#include "editor_error.h"
#include "screen_rendering.h"

namespace quelbrook {

void RequireWorldScale(double scale) {
  if (!(scale >= kMinWorldScale && scale <= kMaxWorldScale)) {
    std::ostringstream text;
    text << "The scale must lie between " << kMinWorldScale << " and " << kMaxWorldScale;
    throw EditorError(text.str());
  }
}

QSize WorldSize(double scale) {
  return QSize(static_cast<int>(std::lround(kWorldColumns * kScreenPixelWidth * scale)),
               static_cast<int>(std::lround(kWorldRows * kScreenPixelHeight * scale)));
}

QRect ScreenRect(int screen, QSize worldSize) {
  // Edges at whole fractions of the picture, so neighbouring screens neither overlap nor leave gaps.
  const int column = (screen - 1) % kWorldColumns;
  const int row = (screen - 1) / kWorldColumns;
  const int left = column * worldSize.width() / kWorldColumns;
  const int right = (column + 1) * worldSize.width() / kWorldColumns;
  const int top = row * worldSize.height() / kWorldRows;
  const int bottom = (row + 1) * worldSize.height() / kWorldRows;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int ScreenAt(QPoint point, QSize worldSize) {
  // The rectangles decide, so a point maps back exactly where its screen was drawn.
  for (int screen = 1; screen <= kScreenCount; ++screen)
    if (ScreenRect(screen, worldSize).contains(point)) return screen;
  return 0;
}

}  // namespace quelbrook
