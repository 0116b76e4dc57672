#pragma once
// Worlds for the map tests, every screen different from its neighbours.

#include "world_data.h"

namespace quelbrook::testing {

// The records of RomBuilder::DistinctScreens, start screen 55, end screen 9, a blank ending.
WorldData DistinctWorld();

}  // namespace quelbrook::testing
