#pragma once
// What differs between two images, fact by fact, in the order of their text.

#include <string>
#include <vector>

#include "rom_facts.h"

namespace quelbrook {

struct FactChange {
  std::string fact;  // FactName
  std::string before, after;
};

// Both images hold at least kSmallestImage bytes; their sizes may differ, which shows in
// the bytes outside the editor's regions.
std::vector<FactChange> ImageDifferences(const Bytes& before, const Bytes& after);

}  // namespace quelbrook
