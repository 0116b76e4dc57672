#pragma once
// Everything a world rendering needs from the ROM, read in one operation.

#include <array>
#include <optional>
#include <string>

#include "byte_map.h"
#include "rom_image.h"
#include "screen_data.h"

namespace quelbrook {

struct WorldData {
  std::array<ScreenData, kScreenCount> screens{};  // screen n at index n - 1
  std::optional<int> startScreen;
  std::optional<int> endScreen;  // only an end hook that names a real screen's block
  std::u16string endingText;
};

// Opens the image, reads every screen record, the start and end screens and the ending text, and
// closes it again, also when a read fails.
WorldData ReadWorld(RomImage& rom);

}  // namespace quelbrook
