#pragma once
// Three images merged fact by fact: what one side alone changed is taken, what both changed
// alike is taken, what both changed differently is a conflict that keeps our side. The bytes
// outside the editor's regions are one fact, so two changes to the program never mix.

#include <optional>
#include <string>
#include <vector>

#include "rom_facts.h"

namespace quelbrook {

struct FactConflict {
  std::string fact;  // FactName
  std::string base, ours, theirs;
};

struct ImageMerge {
  Bytes image;  // ours, with what theirs alone changed
  std::vector<FactConflict> conflicts;
  bool changed = false;  // whether anything of theirs was taken
};

// Why three files of these sizes cannot be merged fact by fact; nothing when they can.
std::optional<std::string> MergeRefusal(std::size_t base, std::size_t ours, std::size_t theirs);
// The three images must pass MergeRefusal. Ours is taken by value, so that a caller done
// with it can move it in and the merge makes no copy of an image.
ImageMerge MergeImages(const Bytes& base, Bytes ours, const Bytes& theirs);

}  // namespace quelbrook
