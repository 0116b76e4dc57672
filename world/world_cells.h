#pragma once
// Cells of the whole world: 128 columns by 48 rows of tiles, screen 1's tiles at the
// top left, each screen 8 x 6 of them.

#include <QPoint>
#include <QRect>

#include "byte_map.h"

namespace quelbrook {

constexpr int kWorldCellColumns = kWorldColumns * kGridColumns;  // 128
constexpr int kWorldCellRows = kWorldRows * kGridRows;           // 48
constexpr QRect kWorldCells(0, 0, kWorldCellColumns, kWorldCellRows);

// The screen 1..128 that holds a world cell, and the cell's index 0..47 in its record.
int ScreenOfCell(QPoint cell);
int TileIndexOfCell(QPoint cell);
// The world cell of a screen's tile index, and all cells of a screen.
QPoint CellOfTile(int screen, int tileIndex);
QRect CellsOfScreen(int screen);

}  // namespace quelbrook
