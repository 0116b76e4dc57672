#include "game_looks.h"

namespace quelbrook::art {

namespace {

constexpr std::uint8_t kBackdrop = 0x0F;
// Ladders, doors and the font: the same in every look.
constexpr NesPalette kCommon{kBackdrop, 0x07, 0x17, 0x37};
// The forest's greens and browns; its two looks differ in their flowers and wood.
constexpr NesPalette kLeavesPalette{kBackdrop, 0x09, 0x1A, 0x2A};
constexpr NesPalette kBarkPalette{kBackdrop, 0x07, 0x17, 0x27};

constexpr Look kLooks[kLookCount] = {
    {"Castle",
     {kCommon, {kBackdrop, 0x2D, 0x00, 0x10}, {kBackdrop, 0x01, 0x11, 0x21}, {kBackdrop, 0x06, 0x16, 0x27}}},
    {"Forest 2", {kCommon, kLeavesPalette, kBarkPalette, {kBackdrop, 0x08, 0x27, 0x38}}},
    {"Forest 1", {kCommon, kLeavesPalette, kBarkPalette, {kBackdrop, 0x15, 0x26, 0x38}}},
    {"Cave",
     {kCommon, {kBackdrop, 0x03, 0x13, 0x23}, {kBackdrop, 0x01, 0x11, 0x2C}, {kBackdrop, 0x06, 0x27, 0x30}}},
};

constexpr std::uint8_t kAllPalettes = 0x0F;
constexpr std::uint8_t kForestShared = 0x07;  // the palettes both forest looks share
constexpr std::uint8_t kCommonOnly = 0x01;
constexpr std::uint8_t kOwnPalettes = 0x0E;  // keeps the castle and the caves in their own colours

// Rows of the tile palette: sky, earth, grass, brick, stone, water, cave, forest,
// castle, passages, decoration.
constexpr TileHome kRowHomes[] = {
    {kFirstForestLook, kForestShared}, {kFirstForestLook, kForestShared}, {kFirstForestLook, kForestShared},
    {kCastleLook, kOwnPalettes},       {kCastleLook, kOwnPalettes},       {kCaveLook, kOwnPalettes},
    {kCaveLook, kOwnPalettes},         {kFirstForestLook, kForestShared}, {kCastleLook, kOwnPalettes},
    {kCastleLook, kCommonOnly},        {kCastleLook, kOwnPalettes},
};

struct Exception {
  int code;
  TileHome home;
};
// The forest props that only one forest look shows, and the cave's gravestone.
constexpr Exception kExceptions[] = {
    {0x2D, {kFirstForestLook, kAllPalettes}},   // flowers
    {0x2E, {kFirstForestLook, kAllPalettes}},   // bush
    {0x7A, {kSecondForestLook, kAllPalettes}},  // stump
    {0xA7, {kSecondForestLook, kAllPalettes}},  // signpost
    {0xA9, {kCaveLook, kOwnPalettes}},          // gravestone
};

constexpr std::array<NesPalette, 4> kSpritePalettes = {{
    {kBackdrop, 0x0F, 0x17, 0x37},  // the hero's, replaced by the hero palette
    {kBackdrop, 0x0F, 0x16, 0x38},
    {kBackdrop, 0x0F, 0x1A, 0x30},
    {kBackdrop, 0x0F, 0x12, 0x28},
}};

constexpr NesPalette kHeroPalettes[kHeroPaletteCount] = {
    {kBackdrop, 0x0F, 0x17, 0x37},
    {kBackdrop, 0x0F, 0x12, 0x37},
    {kBackdrop, 0x0F, 0x1A, 0x37},
    {kBackdrop, 0x0F, 0x16, 0x37},
};

}  // namespace

LookId LookOfPalette1(int palette1) { return static_cast<LookId>((palette1 / 4) % kLookCount); }

const Look& LookById(LookId look) { return kLooks[look]; }

TileHome HomeOfTile(int code) {
  for (const Exception& exception : kExceptions)
    if (exception.code == code) return exception.home;
  const int row = code / 16;
  if (row < 0 || row >= static_cast<int>(std::size(kRowHomes))) return {kCastleLook, kCommonOnly};
  return kRowHomes[row];
}

const std::array<NesPalette, 4>& SpritePalettes() { return kSpritePalettes; }

const NesPalette& HeroPalette(int palette2) { return kHeroPalettes[palette2 % kHeroPaletteCount]; }

}  // namespace quelbrook::art
