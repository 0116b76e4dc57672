#include "hero_art.h"

#include <stdexcept>
#include <string_view>

namespace quelbrook::art {

std::array<std::uint8_t, 256> HeroDesign() {
  constexpr std::string_view kRows[] = {
      "......1111......",  //
      ".....122221.....",  //
      "....12222221....",  //
      "....13333331....",  //
      "....13133131....",  //
      "....13333331....",  //
      ".....133331.....",  //
      "....12222221....",  //
      "...1222222221...",  //
      "...1312222131...",  //
      "...1312222131...",  //
      "....12222221....",  //
      "....12211221....",  //
      "....1221.1221...",  //
      "...11111.11111..",  //
      "................",
  };
  std::array<std::uint8_t, 256> design{};
  for (int y = 0; y < 16; ++y) {
    if (kRows[y].size() != 16) throw std::logic_error("hero row of the wrong width");
    for (int x = 0; x < 16; ++x) {
      const char c = kRows[y][static_cast<std::size_t>(x)];
      design[static_cast<std::size_t>(y * 16 + x)] = c == '.' ? 0 : static_cast<std::uint8_t>(c - '0');
    }
  }
  return design;
}

}  // namespace quelbrook::art
