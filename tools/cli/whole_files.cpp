#include "whole_files.h"

#include <limits>

#include "atomic_file.h"
#include "regular_file.h"
#include "rom_image.h"

namespace quelbrook::cli {

Bytes ReadWholeFile(const std::string& path) {
  return *ReadRegularFileBytes(path, std::numeric_limits<std::size_t>::max());
}

Bytes ReadRomForChange(const std::string& path) {
  RomImage rom(path);
  rom.Open();
  rom.Close();
  return ReadWholeFile(path);
}

void ReplaceFile(const std::string& path, const Bytes& bytes) {
  WriteFileAtomically(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace quelbrook::cli
