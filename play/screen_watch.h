#pragma once
// The screens the demo game enters as it plays, read from its current-screen byte: what a
// route checks.

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace quelbrook::play {

class Console;

// RAM address of the game's 0-based index of the screen shown or being entered; the
// end-screen call sites the editor writes store it there too.
inline constexpr int kScreenIndexAddress = 0x1F;

struct ScreenEntry {
  int screen;          // 1..128, as the editor numbers screens
  std::int64_t frame;  // the frame, counted from 0, during which the game entered it
};

// The screen a ROM's game starts on: its start screen, or screen 1 when the byte names none.
int GameStartScreen(const QByteArray& rom);

class ScreenWatch {
 public:
  explicit ScreenWatch(int startScreen) : startScreen_(startScreen) {}
  // Call after each frame: the screen entered during it, if any. Until the game has stored
  // its start screen the byte holds whatever power-up left there, so it counts from then.
  std::optional<ScreenEntry> Observe(const Console& host);

 private:
  int startScreen_;
  std::optional<int> current_;
};

}  // namespace quelbrook::play
