#pragma once
// What one restore point changed: the runs of bytes that differ, each with its bytes
// before and after, and the file's size on both sides.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook::history {

using Bytes = std::vector<std::uint8_t>;

struct ChangedRun {
  long offset = 0;
  Bytes before;
  Bytes after;
};

struct RomChange {
  long sizeBefore = 0;
  long sizeAfter = 0;
  std::vector<ChangedRun> runs;
  bool empty() const { return runs.empty(); }
};

// The runs where after differs from before; runs closer than a few bytes are kept as one.
RomChange Difference(const Bytes& before, const Bytes& after);
// Turns the state before the change into the state after it.
void ApplyAfter(Bytes& image, const RomChange& change);
// How many bytes the change keeps.
std::int64_t KeptBytes(const RomChange& change);
// Stable across builds and machines, unlike std::hash.
std::int64_t StateHash(const Bytes& image);
// StateHash(after) from the hash before the change, looking only at the bytes it touches.
std::int64_t StateHashAfter(std::int64_t hashBefore, const Bytes& before, const Bytes& after,
                            const RomChange& change);

// The screens whose records the change touches, ascending; none for a whole ROM.
std::vector<int> ChangedScreens(const RomChange& change);
// The screens and other regions in words: "screens 3, 40; start screen", "the whole ROM".
std::string DescribeRegions(const RomChange& change);
// What differs between two states, one line a place: "Screen 40: tiles, message",
// "Start screen", "Ending text".
std::vector<std::string> DifferingPlaces(const Bytes& from, const Bytes& to);

}  // namespace quelbrook::history
