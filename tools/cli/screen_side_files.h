#pragma once
// A screen's record as the window's .map and .tpie files hold it, and back.

#include <vector>

#include "map_file.h"
#include "rom_patch.h"
#include "screen_data.h"
#include "tpie_file.h"

namespace quelbrook::cli {

// The texts the window shows right after it reloads the screen.
TileCodeTexts MapTextsOf(const ScreenData& screen);
TpieValues TpieTextsOf(const ScreenData& screen);

// Only the bytes each file names: the 48 tile bytes, or the 28 bytes after them.
BytePatch TilePatch(int screen, const TileCodeTexts& codes);
// The values must have come from ReadTpieFile, which has checked the message.
BytePatch TpiePatch(int screen, const TpieValues& values);

}  // namespace quelbrook::cli
