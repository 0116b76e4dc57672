#include "rom_patch.h"

namespace quelbrook {

void WritePatches(RomImage& rom, const std::vector<BytePatch>& patches) {
  for (const auto& patch : patches) RequireRegion(rom, patch.offset, static_cast<long>(patch.bytes.size()));
  for (const auto& patch : patches) {
    rom.Seek(patch.offset);
    for (auto byte : patch.bytes) rom.WriteByte(byte);
  }
}

void WritePatchesToFile(const std::string& path, const std::vector<BytePatch>& patches) {
  RomImage rom(path);
  rom.Open();
  WritePatches(rom, patches);
  rom.Close();
}

}  // namespace quelbrook
