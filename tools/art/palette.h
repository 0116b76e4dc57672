#pragma once
// The colours every picture shares, so that tiles, sprites and posters look like
// pieces of one game.

#include "canvas.h"

namespace quelbrook::art {

inline constexpr Rgb kNightSky{18, 20, 46};  // tile 0 and the ground of every sprite
inline constexpr Rgb kInk{12, 8, 20};        // outlines
inline constexpr Rgb kWhite{250, 250, 245};
inline constexpr Rgb kGold{250, 200, 60};
inline constexpr Rgb kDirt{150, 92, 48};
inline constexpr Rgb kGrass{76, 180, 60};
inline constexpr Rgb kBrick{178, 62, 44};
inline constexpr Rgb kMortar{96, 70, 66};
inline constexpr Rgb kStone{138, 140, 150};
inline constexpr Rgb kWater{40, 110, 210};
inline constexpr Rgb kCaveRock{92, 70, 112};
inline constexpr Rgb kBark{112, 70, 40};
inline constexpr Rgb kLeaves{40, 130, 60};
inline constexpr Rgb kCastleWall{86, 98, 128};
inline constexpr Rgb kWood{170, 112, 56};
inline constexpr Rgb kIron{120, 124, 140};

}  // namespace quelbrook::art
