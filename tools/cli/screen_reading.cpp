#include "screen_reading.h"

#include "byte_map.h"
#include "rom_image.h"
#include "screen_decoding.h"

namespace quelbrook::cli {

namespace {
void RequireOpenGameImage(RomImage& rom) {
  rom.Seek(kStartScreenOffset);
  rom.ReadByte();
}
}  // namespace

void RequireGameImage(const std::string& romPath) {
  RomImage rom(romPath);
  rom.Open();
  RequireOpenGameImage(rom);
  rom.Close();
}

ScreenData ReadScreen(const std::string& romPath, int screen) {
  RomImage rom(romPath);
  rom.Open();
  RequireOpenGameImage(rom);
  ScreenData data = ReadScreenRecord(rom, screen);
  rom.Close();
  return data;
}

}  // namespace quelbrook::cli
