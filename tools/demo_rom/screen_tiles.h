#pragma once
// The 8 x 6 tiles of a demo screen. Neighbouring screens agree on their shared
// edges: walls only at the rim of the world and where the adventure closes a way,
// ladders where rows connect.

#include <array>
#include <cstdint>

#include "byte_map.h"

namespace quelbrook::demo {

std::array<std::uint8_t, kTileCount> LayOutTiles(int screen);

}  // namespace quelbrook::demo
