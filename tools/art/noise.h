#pragma once
// Integer-only randomness: the pictures must come out byte for byte the same on
// every machine, so nothing here depends on the standard library's engines.

#include <cstdint>

namespace quelbrook::art {

// A stable pseudo-random value for a pixel: texture speckles that do not move when
// the drawing order changes.
std::uint32_t PixelHash(int x, int y, std::uint32_t seed);

// A small xorshift generator with a fixed seed, for layouts drawn in sequence.
class Prng {
 public:
  explicit Prng(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
  std::uint32_t Next();
  // Uniform enough for art: a value in [0, bound).
  int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }

 private:
  std::uint32_t state_;
};

}  // namespace quelbrook::art
