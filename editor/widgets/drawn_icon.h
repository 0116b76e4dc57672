#pragma once
// A small icon drawn with a painter. The window's own icons are drawn rather than read from
// a picture file, an icon theme or a font: at start-up each of those costs a noticeable part.

#include <QIcon>
#include <QPainter>
#include <functional>

namespace quelbrook {

// `side` pixels square, transparent where `draw` leaves it, antialiased.
QIcon DrawnIcon(int side, const std::function<void(QPainter&)>& draw);

}  // namespace quelbrook
