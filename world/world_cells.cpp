#include "world_cells.h"

namespace quelbrook {

int ScreenOfCell(QPoint cell) { return cell.y() / kGridRows * kWorldColumns + cell.x() / kGridColumns + 1; }

int TileIndexOfCell(QPoint cell) { return cell.y() % kGridRows * kGridColumns + cell.x() % kGridColumns; }

QPoint CellOfTile(int screen, int tileIndex) {
  return CellsOfScreen(screen).topLeft() + QPoint(tileIndex % kGridColumns, tileIndex / kGridColumns);
}

QRect CellsOfScreen(int screen) {
  return {(screen - 1) % kWorldColumns * kGridColumns, (screen - 1) / kWorldColumns * kGridRows, kGridColumns,
          kGridRows};
}

}  // namespace quelbrook
