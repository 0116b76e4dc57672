#pragma once
// A small world of our own for the demo cartridge image: castle halls on the top two
// rows of the 16 x 8 map, forest in the middle three, caves at the bottom.

#include <string>

#include "screen_data.h"

namespace quelbrook::demo {

constexpr int kStartScreen = 55;
constexpr int kEndScreen = 9;  // the throne room, where the boss trap waits

enum class Region { kCastle, kForest, kCaves };

Region RegionOf(int screen);
// The forest's rows alternate between its two looks; each has props of its own.
bool InSecondForest(int screen);
ScreenData DesignScreen(int screen);  // screen 1..128
std::u16string EndingText();

}  // namespace quelbrook::demo
