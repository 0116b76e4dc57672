#pragma once
// Bounds that keep a hostile map file from making the reader allocate without end; a
// world map lies far below them.

#include <string>

#include "editor_error.h"
#include "tiled_map.h"

namespace quelbrook {

constexpr int kMaxLayerCells = 1 << 20;
constexpr std::size_t kMaxObjectsPerLayer = 1 << 16;
constexpr std::size_t kMaxMapFileBytes = 64 * 1024 * 1024;

inline void RequireLayerSize(const TiledLayer& layer, const QString& fileName) {
  if (layer.width < 0 || layer.height < 0 ||
      (layer.height > 0 && layer.width > kMaxLayerCells / layer.height))
    throw EditorError(fileName.toStdString() + ": layer \"" + layer.name.toStdString() + "\" is " +
                      std::to_string(layer.width) + " x " + std::to_string(layer.height) +
                      " tiles; the world is 128 x 48");
}

}  // namespace quelbrook
