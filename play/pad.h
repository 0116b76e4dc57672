#pragma once
// The NES pad as the host hands it to the core: eight buttons, each up or down.

#include <array>
#include <bitset>
#include <optional>
#include <string>

namespace quelbrook::play {

enum class PadButton { kUp, kDown, kLeft, kRight, kA, kB, kStart, kSelect };
inline constexpr int kPadButtonCount = 8;
inline constexpr std::array<PadButton, kPadButtonCount> kPadButtons{
    PadButton::kUp, PadButton::kDown, PadButton::kLeft,  PadButton::kRight,
    PadButton::kA,  PadButton::kB,    PadButton::kStart, PadButton::kSelect};

class PadState {
 public:
  void Set(PadButton button, bool down) { pressed_.set(static_cast<int>(button), down); }
  bool IsDown(PadButton button) const { return pressed_.test(static_cast<int>(button)); }
  bool operator==(const PadState& other) const { return pressed_ == other.pressed_; }
  // Pressed on either: two devices playing one pad.
  PadState operator|(const PadState& other) const {
    PadState either;
    either.pressed_ = pressed_ | other.pressed_;
    return either;
  }

 private:
  std::bitset<kPadButtonCount> pressed_;
};

// The lower-case names the input scripts and settings use: "up", "a", "select".
const char* PadButtonName(PadButton button);
std::optional<PadButton> PadButtonNamed(const std::string& name);
// The libretro joypad id of the button (RETRO_DEVICE_ID_JOYPAD_*).
unsigned LibretroJoypadId(PadButton button);

}  // namespace quelbrook::play
