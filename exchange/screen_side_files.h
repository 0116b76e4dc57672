#pragma once
// The side files as parts of the screen value: what export writes of it, what an
// import puts into it, and the record bytes an import writes (only those its file holds).

#include "map_file.h"
#include "rom_patch.h"
#include "screen_value.h"
#include "tpie_file.h"

namespace quelbrook {

TpieFile TpieFileOf(const ScreenValue& value);
void ApplyTpieFile(const TpieFile& file, ScreenValue& value);

// The 48 tile bytes of a screen, or the 28 after them, as Save screen converts them.
// A TpieFile must have come from ReadTpieFile, which has checked its message.
BytePatch TilePatch(int screen, const MapFile& file);
BytePatch TpiePatch(int screen, const TpieFile& file);

}  // namespace quelbrook
