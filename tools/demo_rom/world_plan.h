#pragma once
// The demo world as an adventure: which screens join by ladders, and the screens whose
// walls, message, item and enemies were placed by hand along the way from the start in
// the forest, down through the caves, up the servants' stair and through a weak wall of
// the castle to the throne room.

#include <array>
#include <cstdint>
#include <optional>

#include "byte_map.h"

namespace quelbrook::demo {

// Whether a ladder joins screen `upper` to the screen below it.
bool HasLadderDown(int upper);

enum class Feature {
  kNone,
  kTreeWall,   // a row of trunks across the screen: the east wood is reached from below
  kRockWall,   // the cave closes on the east
  kLake,       // water from ceiling to floor, crossed by a bridge
  kGate,       // a shut portcullis on the west
  kWeakWall,   // stone across the screen, cracked where it gives way
  kStartDoor,  // the hut the hero leaves
  kThrone,
};

struct DesignedScreen {
  int screen;
  const char* message;  // up to 16 characters
  std::uint8_t item;    // 0: none
  std::array<std::uint8_t, kEnemyCount> enemies;
  Feature feature;
};

const DesignedScreen* DesignedScreenOf(int screen);

}  // namespace quelbrook::demo
