#pragma once
// Fits many 8 x 8 tiles into the few that the console's pattern table holds: alike
// tiles are merged, weighted by how often the demo world shows them, with integer
// arithmetic only so that every build chooses the same tiles.

#include <array>
#include <cstdint>
#include <vector>

namespace quelbrook::art {

using Pattern = std::array<std::uint8_t, 64>;  // colour numbers 0..3, rows first

struct WeightedPattern {
  Pattern pattern;
  std::uint32_t weight;
};

struct ReducedPatterns {
  std::vector<Pattern> kept;        // at most the budget
  std::vector<std::size_t> chosen;  // for each input: its index in kept
};

// Merges the inputs into at most `budget` patterns. The all-zero pattern, when
// present, is kept as it is.
ReducedPatterns ReducePatterns(const std::vector<WeightedPattern>& inputs, std::size_t budget);

std::uint32_t PatternDistance(const Pattern& a, const Pattern& b);

}  // namespace quelbrook::art
