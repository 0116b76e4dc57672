#pragma once
// A planned change to the image: runs of bytes at absolute offsets. Every run is
// checked against the file before the first byte is written.

#include <cstdint>
#include <string>
#include <vector>

#include "rom_image.h"

namespace quelbrook {

struct BytePatch {
  long offset = 0;
  std::vector<std::uint8_t> bytes;
};

// Opens nothing: the caller owns the open image. Writes the runs in order.
void WritePatches(RomImage& rom, const std::vector<BytePatch>& patches);
// Opens the image, writes the runs and closes it again.
void WritePatchesToFile(const std::string& path, const std::vector<BytePatch>& patches);

}  // namespace quelbrook
