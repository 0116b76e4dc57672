#pragma once
// Which tile codes stop the demo game's hero: the one list that the game's table is
// written from and that the demo world is laid out against.
//
// Ground, masonry, walls, water and lava, trunks and leaves, and what stands on the
// floor stop the hero; sky, what hangs or lies about, ladders, open doors and bridges
// let it pass. Cracked brick and stone give way: they are the world's hidden passages.

#include "tile_codes.h"

namespace quelbrook::tiles {

constexpr int kSolidTableLength = 176;  // codes from B0 on show the backdrop and never stop the hero

// Codes that stop the hero although their row of the palette does not, and the reverse.
constexpr Code kSolidAmongOpen[] = {
    0x2E,                                      // bush
    0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66,  // cave rock in its shapes
    0x67, 0x6A, 0x6C,                          // cave ledge, crystals, rock with a gem vein
    0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76,  // trunks and the canopy
    0x79, 0x7A, 0x7B, 0x7C,                    // log, stump, pines
    0x92, 0x93, 0x98, 0x99, 0x9A, 0x9B, 0x9F,  // locked door, bars, spikes, stone door
    0xA0, 0xA1, 0xA2, 0xA3, 0xA8, 0xA9, 0xAA,  // chest, barrel, crate, pot, fence, gravestone, statue
    0xAF,                                      // shrine
};
constexpr Code kOpenAmongSolid[] = {
    0x2C, 0x2D, 0x2F,  // tufts, flowers, reeds
    0x3D,              // cracked brick
    0x4C,              // cracked stone
};

// Rows of the palette (code / 16) that are solid as a whole: earth, grass ground, brick,
// stone, water and lava, castle masonry.
constexpr bool SolidRow(int row) {
  return row == 1 || row == 2 || row == 3 || row == 4 || row == 5 || row == 8;
}

constexpr bool IsSolidTile(int code) {
  if (code < 0 || code >= kSolidTableLength) return false;
  for (const Code open : kOpenAmongSolid)
    if (open == code) return false;
  for (const Code solid : kSolidAmongOpen)
    if (solid == code) return true;
  return SolidRow(code / 16);
}

static_assert(IsSolidTile(kCastleWall) && IsSolidTile(kWaterSurface) && IsSolidTile(kTrunk) &&
              IsSolidTile(kCaveRock));
static_assert(!IsSolidTile(kLadder) && !IsSolidTile(kDoorBottom) && !IsSolidTile(kStars) &&
              !IsSolidTile(0xB0));

}  // namespace quelbrook::tiles
