#pragma once
// The program's icon: a framed screen of the game with a pencil over its corner.

#include "canvas.h"

namespace quelbrook::art {

// 32 x 32; kNightSky marks where the icon is see-through.
Canvas DrawIcon();

}  // namespace quelbrook::art
