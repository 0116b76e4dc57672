#pragma once
// Where screens lie in a world picture of any scale: 16 columns by 8 rows,
// screen 1 at the top left, screen n + 1 to the right of n and n + 16 below it.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quelbrook {

constexpr double kMinWorldScale = 0.01;
constexpr double kMaxWorldScale = 2.0;

// Throws EditorError unless kMinWorldScale <= scale <= kMaxWorldScale.
void RequireWorldScale(double scale);
// 4096 x 1536 at scale 1, each side rounded to whole pixels.
QSize WorldSize(double scale);
// The part of a world picture of this size that shows screen 1..128.
QRect ScreenRect(int screen, QSize worldSize);
// The screen under a point of the picture, or 0 for a point outside it.
int ScreenAt(QPoint point, QSize worldSize);

}  // namespace quelbrook
