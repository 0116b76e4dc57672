#pragma once
// The cells a fill reaches: those of the start cell's tile, connected to it side by
// side, without leaving the start cell's screen.

#include <QPoint>
#include <functional>
#include <vector>

namespace quelbrook {

std::vector<QPoint> FloodFillCells(QPoint start, const std::function<int(QPoint)>& tileAt);

}  // namespace quelbrook
