#include "world_plan.h"

#include <algorithm>
#include <iterator>

namespace quelbrook::demo {

namespace {

// The upper screen of every ladder. The way: 40 and 56 join the start's row to the castle's
// shut west wing; 57 and 74 lead down to the cave mouth; 91 and 94 go under the tree wall;
// 79, 63, 47 and 31 climb to the castle's east wing; 10 to the throne room's row. 36, 86
// and 102 are side ways for the curious.
constexpr int kLadders[] = {24, 40, 57, 74, 91, 94, 79, 63, 47, 31, 10, 36, 86, 102};

// Items 1..B: life sphere, magic missile, thunder, prism cube, spectral bridge,
// levitation Y and X, tri-caster, levitation speed, teleportation, boss trap. Enemies 0..F:
// bat, slime, skeleton, ghost, spider, knight, snake, fire imp, floating eye, wizard,
// walking mushroom, rat, biting fish, stone golem, wasp, dragon.
constexpr DesignedScreen kDesigned[] = {
    {55, "WELCOME, HERO!", 0x1, {0xB, 0xA, 0xE, 0x4}, Feature::kStartDoor},
    {56, "CASTLE: UP HERE", 0x0, {0x4, 0x6, 0xE, 0x0}, Feature::kNone},
    {40, "THE CASTLE ROAD", 0x0, {0x4, 0x6, 0xE, 0xA}, Feature::kNone},
    {24, "THE GATE IS SHUT", 0xA, {0x5, 0x5, 0x3, 0x2}, Feature::kNone},
    {25, "THE WEST GATE", 0x0, {0x5, 0x2, 0x3, 0x9}, Feature::kGate},
    {57, "CAVES: GO DOWN", 0x0, {0x6, 0xA, 0x4, 0xE}, Feature::kNone},
    {74, "THE CAVE MOUTH", 0x9, {0x0, 0x6, 0x4, 0xA}, Feature::kNone},
    {59, "DENSE WOOD", 0x0, {0x4, 0x4, 0xE, 0x6}, Feature::kTreeWall},
    {43, "DENSE WOOD", 0x0, {0x4, 0xE, 0xE, 0x6}, Feature::kTreeWall},
    {75, "NO WAY EAST", 0x0, {0x4, 0x6, 0xA, 0xE}, Feature::kTreeWall},
    {90, "DEEP CAVERNS", 0x2, {0x0, 0x1, 0x0, 0xB}, Feature::kNone},
    {91, "DOWN, UNDER!", 0x0, {0xB, 0x1, 0x0, 0x8}, Feature::kRockWall},
    {107, "DRIP, DRIP...", 0x0, {0x1, 0x8, 0x0, 0xB}, Feature::kNone},
    {108, "THE STILL LAKE", 0x5, {0xC, 0xC, 0x0, 0x8}, Feature::kLake},
    {109, "CRYSTAL GROTTO", 0x0, {0x7, 0x8, 0x0, 0x1}, Feature::kNone},
    {110, "A LADDER UP!", 0x4, {0x7, 0x1, 0x0, 0xB}, Feature::kNone},
    {94, "THE LOW TUNNELS", 0x0, {0x0, 0x8, 0x1, 0x7}, Feature::kNone},
    {95, "UP TO DAYLIGHT", 0x6, {0x0, 0x0, 0x8, 0xB}, Feature::kNone},
    {79, "THE EAST WOOD", 0x7, {0x4, 0x6, 0xE, 0xA}, Feature::kNone},
    {63, "KEEP CLIMBING", 0x0, {0x4, 0xE, 0x6, 0xA}, Feature::kNone},
    {47, "SERVANTS' PATH", 0x0, {0xE, 0x4, 0x6, 0xA}, Feature::kNone},
    {31, "SERVANTS' STAIR", 0x8, {0x2, 0x3, 0x5, 0x2}, Feature::kNone},
    {30, "THE EAST WING", 0x0, {0x5, 0x2, 0x3, 0xD}, Feature::kNone},
    {29, "A COLD DRAFT...", 0x0, {0x3, 0x3, 0x9, 0x2}, Feature::kNone},
    {28, "THE WALL IS WEAK", 0x3, {0x2, 0xD, 0x3, 0x5}, Feature::kWeakWall},
    {27, "THE KING'S WAY", 0x0, {0x5, 0x5, 0x9, 0x3}, Feature::kNone},
    {26, "UP TO THE THRONE", 0x0, {0x5, 0xD, 0x9, 0x2}, Feature::kNone},
    {10, "MIND THE DRAGON!", 0x1, {0x5, 0x9, 0xD, 0x3}, Feature::kNone},
    {9, "THE DRAGON WAITS", 0xB, {0xF, 0x5, 0x9, 0xD}, Feature::kThrone},
};

}  // namespace

bool HasLadderDown(int upper) {
  return std::find(std::begin(kLadders), std::end(kLadders), upper) != std::end(kLadders);
}

const DesignedScreen* DesignedScreenOf(int screen) {
  for (const DesignedScreen& designed : kDesigned)
    if (designed.screen == screen) return &designed;
  return nullptr;
}

}  // namespace quelbrook::demo
