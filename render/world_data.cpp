#include "world_data.h"

#include "screen_decoding.h"

namespace quelbrook {

namespace {
// Closes the image when a read fails; a close after a good read reports its own failure.
class OpenedRom {
 public:
  explicit OpenedRom(RomImage& rom) : rom_(rom) { rom_.Open(); }
  ~OpenedRom() {
    try {
      rom_.Close();
    } catch (...) {
      // The read's own failure is the one worth reporting.
    }
  }
  void Close() { rom_.Close(); }
  OpenedRom(const OpenedRom&) = delete;
  OpenedRom& operator=(const OpenedRom&) = delete;

 private:
  RomImage& rom_;
};
}  // namespace

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
