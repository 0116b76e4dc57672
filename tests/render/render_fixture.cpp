#include "render_fixture.h"

#include <filesystem>

#include "byte_map.h"

namespace quelbrook::testing {

namespace {
ScreenData NoMarkers() {
  ScreenData screen;
  screen.itemDestination = kNoMarker;
  screen.enemyDestinations.fill(kNoMarker);
  return screen;
}
}  // namespace

ScreenData TilesOnlyScreen() {
  ScreenData screen = NoMarkers();
  for (int cell = 0; cell < kTileCount; ++cell) screen.tiles[cell] = static_cast<std::uint8_t>(cell);
  return screen;
}

ScreenData SolidScreen(int tile) {
  ScreenData screen = NoMarkers();
  screen.tiles.fill(static_cast<std::uint8_t>(tile));
  return screen;
}

RomBuilder SolidWorld() {
  RomBuilder rom;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    ScreenData data = SolidScreen(screen);
    data.message = std::u16string(kMessageLength, u' ');
    rom.Screen(screen, data);
  }
  return rom;
}

QColor PixelAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

int DescriptorsOpenOn(const std::string& path) {
  // Only descriptors on the file itself: Qt's worker threads open event descriptors of their own.
  const auto file = std::filesystem::canonical(path);
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (std::filesystem::read_symlink(entry.path(), error) == file) ++count;
  }
  return count;
}

}  // namespace quelbrook::testing
