#include "flood_fill.h"

#include <set>

#include "world_cells.h"

namespace quelbrook {

std::vector<QPoint> FloodFillCells(QPoint start, const std::function<int(QPoint)>& tileAt) {
  const QRect screen = CellsOfScreen(ScreenOfCell(start));
  const int tile = tileAt(start);
  std::vector<QPoint> reached;
  std::set<std::pair<int, int>> seen{{start.x(), start.y()}};
  std::vector<QPoint> pending{start};
  while (!pending.empty()) {
    const QPoint cell = pending.back();
    pending.pop_back();
    reached.push_back(cell);
    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint next = cell + step;
      if (!screen.contains(next) || tileAt(next) != tile || !seen.insert({next.x(), next.y()}).second)
        continue;
      pending.push_back(next);
    }
  }
  return reached;
}

}  // namespace quelbrook
