#include "world_map_layout.h"

#include <cmath>

#include "destination.h"
#include "screen_rendering.h"
#include "world_geometry.h"

namespace quelbrook {

QString SlotName(int slot) { return slot == 0 ? QString("item") : QString("enemy%1").arg(slot); }

std::optional<int> SlotOfName(const QString& name) {
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (name == SlotName(slot)) return slot;
  return std::nullopt;
}

QString ScreenObjectName(int screen) { return QString("Screen %1").arg(screen); }

int ObjectAtlasIndex(int slot, int kind) { return (slot == 0 ? 0 : kCodeCount) + kind; }

int MapCellIndex(int screen, int cell) {
  const QPoint origin = ScreenOrigin(screen) / kMapTilePixels;
  return (origin.y() + cell / kGridColumns) * kMapColumns + origin.x() + cell % kGridColumns;
}

QPoint ScreenOrigin(int screen) { return ScreenRect(screen, WorldSize(1.0)).topLeft(); }

QPoint ObjectCorner(int screen, int destination) {
  return ScreenOrigin(screen) + RenderedMarkerCorner(destination).value_or(QPoint(0, 0));
}

bool ShowsMarker(int destination) { return RenderedMarkerCorner(destination).has_value(); }

std::optional<int> DestinationAt(int screen, QPointF point) {
  const QPointF inside = point - ScreenOrigin(screen);
  const double column = std::floor(inside.x() / kMarkerPixels);
  const double row = std::floor(inside.y() / kMarkerPixels);
  if (!(column >= 0 && column < kDestinationColumns && row >= 0 &&
        row <= kLastDestination / kDestinationColumns))
    return std::nullopt;
  return static_cast<int>(row) * kDestinationColumns + static_cast<int>(column);
}

}  // namespace quelbrook
