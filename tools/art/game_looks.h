#pragma once
// The game's colours: four looks of four background palettes, chosen by a screen's
// palette 1, the objects' sprite palettes and the hero's, chosen by palette 2. Every
// tile code has a home look, in whose colours its picture is drawn, and the palettes
// it may use: those that every look it appears in shows alike.

#include <array>
#include <cstdint>

namespace quelbrook::art {

// Colour numbers of the console; entry 0 is the shared backdrop (or, for sprites,
// transparent). Entries 1..3 run from dark to light, so that colour numbers can be
// compared as brightness.
using NesPalette = std::array<std::uint8_t, 4>;

struct Look {
  const char* name;
  std::array<NesPalette, 4> palettes;
};

enum LookId { kCastleLook, kSecondForestLook, kFirstForestLook, kCaveLook, kLookCount };

// (palette 1 / 4) mod 4: Castle 18, Forest 2 84, Forest 1 40, Cave 252.
constexpr int kLookTableSize = 16;  // by the low four bits of palette 1
LookId LookOfPalette1(int palette1);
const Look& LookById(LookId look);

struct TileHome {
  LookId look;
  std::uint8_t palettes;  // bit p set: background palette p may colour this tile
};
TileHome HomeOfTile(int code);

// Sprite palettes 1..3 colour the items and enemies: entry 1 is their opaque ground.
const std::array<NesPalette, 4>& SpritePalettes();
constexpr int kHeroPaletteCount = 4;  // by palette 2 mod 4
const NesPalette& HeroPalette(int palette2);

}  // namespace quelbrook::art
