#pragma once
// The hero the player walks with: a 16 x 16 design in the hero palette's colours
// (0 transparent, 1 outline, 2 clothes, 3 skin).

#include <array>
#include <cstdint>

namespace quelbrook::art {

std::array<std::uint8_t, 256> HeroDesign();  // colour numbers, rows first

}  // namespace quelbrook::art
