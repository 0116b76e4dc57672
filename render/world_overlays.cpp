#include "world_overlays.h"

#include <QPainter>
#include <algorithm>

#include "byte_map.h"
#include "digit_glyphs.h"
#include "world_geometry.h"

namespace quelbrook {

namespace {
// Glyph squares and frames grow with the screens: readable small, not shouting large.
int SquareFor(const QRect& screen) { return std::max(1, screen.height() / 24); }
int FrameFor(const QRect& screen) { return std::max(2, screen.height() / 24); }

void DrawFrame(QPainter& painter, QRect screen, int width, QRgb colour) {
  for (int ring = 0; ring < width; ++ring) {
    painter.setPen(QColor::fromRgb(colour));
    painter.drawRect(screen.adjusted(ring, ring, -ring - 1, -ring - 1));
  }
}

void DrawScreenNumber(QPainter& painter, QRect screen, int number) {
  const int square = SquareFor(screen);
  const QSize digits = NumberSize(number, square);
  const QPoint corner = screen.topLeft() + QPoint(FrameFor(screen) + square, FrameFor(screen) + square);
  // A dark backing keeps white digits readable over any tile.
  painter.fillRect(QRect(corner, digits).adjusted(-square, -square, square, square), QColor(0, 0, 0, 170));
  DrawNumber(painter, corner, number, square, Qt::white);
}
}  // namespace

WorldMarks MarksOf(const WorldData& world) { return {world.startScreen, world.endScreen}; }

void DrawWorldOverlays(QImage& picture, const WorldMarks& marks) {
  QPainter painter(&picture);
  const QSize size = picture.size();
  painter.setPen(QColor::fromRgb(kGridColour));
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const QRect rect = ScreenRect(screen, size);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  }
  for (int screen = 1; screen <= kScreenCount; ++screen)
    DrawScreenNumber(painter, ScreenRect(screen, size), screen);
  if (marks.startScreen) {
    const QRect rect = ScreenRect(*marks.startScreen, size);
    DrawFrame(painter, rect, FrameFor(rect), kStartFrameColour);
  }
  if (marks.endScreen) {
    const QRect rect = ScreenRect(*marks.endScreen, size);
    const int width = FrameFor(rect);
    // Inside a start frame on the same screen, so both stay visible.
    const int inset = marks.startScreen == marks.endScreen ? width : 0;
    DrawFrame(painter, rect.adjusted(inset, inset, -inset, -inset), width, kEndFrameColour);
  }
}

}  // namespace quelbrook
