#include "screen_watch.h"

#include "byte_map.h"
#include "console.h"
#include "screen_decoding.h"

namespace quelbrook::play {

int GameStartScreen(const QByteArray& rom) {
  if (static_cast<std::size_t>(rom.size()) < kSmallestImage) return 1;
  return DecodeStartScreenByte(std::uint8_t(rom[kStartScreenOffset])).value_or(1);
}

std::optional<ScreenEntry> ScreenWatch::Observe(const Console& host) {
  const QByteArrayView ram = host.SystemRam();
  if (ram.size() <= kScreenIndexAddress) return std::nullopt;
  const int screen = std::uint8_t(ram[kScreenIndexAddress]) + 1;
  if (screen == current_.value_or(0) || (!current_ && screen != startScreen_)) return std::nullopt;
  current_ = screen;
  return ScreenEntry{screen, host.FramesRun() - 1};
}

}  // namespace quelbrook::play
