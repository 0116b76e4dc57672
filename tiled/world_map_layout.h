#pragma once
// How the world lies in a Tiled map: one 128 x 48 tile layer of 32-pixel tiles, a tile
// object for each screen's item and enemies, a rectangle for each screen. Export and
// import share these rules, so a map that was not edited comes back unchanged.

#include <QPoint>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>

#include "byte_map.h"

namespace quelbrook {

constexpr int kMapColumns = kWorldColumns * kGridColumns;  // 128
constexpr int kMapRows = kWorldRows * kGridRows;           // 48
constexpr int kMapTilePixels = 32;
constexpr int kObjectPixels = 16;

// Atlases: 256 tile codes; 256 item codes followed by 256 enemy kinds; 16 pictures a row.
constexpr int kCodeCount = 256;
constexpr int kAtlasColumns = 16;
constexpr int kObjectAtlasCount = 2 * kCodeCount;
constexpr int kTilesFirstGid = 1;
constexpr int kObjectsFirstGid = kTilesFirstGid + kCodeCount;

inline const QString kTilesLayer = "tiles";
inline const QString kObjectsLayer = "objects";
inline const QString kScreensLayer = "screens";

// Slot 0 is the item, slots 1..4 the enemies.
constexpr int kSlotCount = 1 + kEnemyCount;
QString SlotName(int slot);  // "item", "enemy1".."enemy4"
std::optional<int> SlotOfName(const QString& name);
QString ScreenObjectName(int screen);  // "Screen N"

// Index in the object atlas of an item code (slot 0) or an enemy kind.
int ObjectAtlasIndex(int slot, int kind);

// Index into the tile layer of a screen's cell 0..47.
int MapCellIndex(int screen, int cell);
QPoint ScreenOrigin(int screen);  // in map pixels

// Where the export puts an object with this stored destination (its picture's top-left
// corner): the marker's place, destination 255 as 0, and 192..254, which show no marker,
// at the screen's corner.
QPoint ObjectCorner(int screen, int destination);
bool ShowsMarker(int destination);

// The destination of the half-tile cell that holds a point of the map, if it lies in the screen.
std::optional<int> DestinationAt(int screen, QPointF point);

}  // namespace quelbrook
