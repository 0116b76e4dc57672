#pragma once
// A destination is row * 16 + column on a grid of half-tile cells over the tile grid.

#include <optional>

namespace quelbrook {

constexpr int kDestinationColumns = 16;
constexpr int kLastDestination = 191;

struct MarkerPosition {
  int left = 0;
  int top = 0;
  bool operator==(const MarkerPosition& other) const { return left == other.left && top == other.top; }
};

constexpr MarkerPosition kMarkerHome{8, 8};

// Pixel offset of a half-tile cell: tiles are 32 pixels with a 1-pixel gap.
constexpr int CellPixel(int k) { return 8 + 33 * (k / 2) + 16 * (k % 2); }

// Where a marker goes for destination p; nothing for values off the grid.
std::optional<MarkerPosition> MarkerPositionOf(int destination);

}  // namespace quelbrook
