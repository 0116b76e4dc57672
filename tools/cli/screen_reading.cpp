#include "screen_reading.h"

#include "rom_image.h"
#include "screen_decoding.h"

namespace quelbrook::cli {

ScreenData ReadScreen(const std::string& romPath, int screen) {
  RomImage rom(romPath);
  rom.Open();
  ScreenData data = ReadScreenRecord(rom, screen);
  rom.Close();
  return data;
}

}  // namespace quelbrook::cli
