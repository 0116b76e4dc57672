#pragma once
// The 8 x 6 tiles of a demo screen. Neighbouring screens agree on their shared
// edges: side walls only at the rim of the world, ladders where rows connect.

#include <array>
#include <cstdint>

#include "byte_map.h"

namespace quelbrook::demo {

std::array<std::uint8_t, kTileCount> LayOutTiles(int screen);

// Whether a ladder joins screen `upper` to the screen below it.
bool HasLadderDown(int upper);

}  // namespace quelbrook::demo
