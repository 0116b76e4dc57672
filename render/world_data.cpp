#include "world_data.h"

#include "opened_rom.h"
#include "screen_decoding.h"

namespace quelbrook {

WorldData ReadWorld(RomImage& rom) {
  OpenedRom opened(rom);
  WorldData world;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    world.screens[screen - 1] = ReadScreenRecord(rom, screen);
  world.startScreen = ReadStartScreen(rom);
  const EndScreenHook end = ReadEndScreen(rom);
  if (end.hookPresent && IsEndScreenOperand(end.operand)) world.endScreen = end.endScreen;
  world.endingText = ReadEndingText(rom);
  opened.Close();
  return world;
}

}  // namespace quelbrook
