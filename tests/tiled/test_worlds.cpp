#include "test_worlds.h"

#include "rom_builder.h"

namespace quelbrook::testing {

WorldData DistinctWorld() {
  WorldData world;
  for (int screen = 1; screen <= kScreenCount; ++screen)
    world.screens[screen - 1] = DecodeScreenRecord(DistinctRecord(screen));
  world.startScreen = 55;
  world.endScreen = 9;
  world.endingText = std::u16string(kEndingTextLength, u' ');
  return world;
}

}  // namespace quelbrook::testing
