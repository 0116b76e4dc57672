#pragma once
// The game's tiles, built from the tile, item and enemy drawings within the console's
// limits (four colours per 16 x 16 block of a tile, 256 background tiles with the
// font, three colours per sprite), and the editor's pictures drawn back from them.

#include <array>
#include <cstdint>

#include "canvas.h"
#include "pattern_reduction.h"

namespace quelbrook::art {

constexpr int kCodeCount = 256;
constexpr int kCellsPerTile = 16;  // a 32 x 32 tile is 4 x 4 background tiles
constexpr int kObjectSlots = 32;   // items 0..15, then enemies 0..15
constexpr int kFirstEnemySlot = 16;
constexpr std::uint8_t kNoObjectTile = 0xFF;

struct GameArt {
  std::array<Pattern, 256> backgroundTiles{};
  std::array<Pattern, 256> spriteTiles{};
  std::array<std::array<std::uint8_t, kCellsPerTile>, kCodeCount> tileCells{};
  // Palettes of a tile's 16 x 16 quarters: bits 0-1 top left, 2-3 top right, 4-5
  // bottom left, 6-7 bottom right, as the console's attribute bytes hold them.
  std::array<std::uint8_t, kCodeCount> tileAttributes{};
  std::array<std::uint8_t, kObjectSlots> objectTiles{};  // first of four sprite tiles
  std::array<std::uint8_t, kObjectSlots> objectPalettes{};
};

// `tileUse[code]`: how often the demo world shows the code; those tiles keep their
// detail first.
GameArt BuildGameArt(const std::array<int, kCodeCount>& tileUse);

Canvas GameTilePicture(const GameArt& art, int code);    // 32 x 32, in the code's home look
Canvas GameObjectPicture(const GameArt& art, int slot);  // 32 x 32, each pixel doubled

}  // namespace quelbrook::art
