#pragma once
// A gamepad of SDL's own (a virtual joystick with a game controller mapping), so that the
// tests need no hardware: plugged in when made, pulled out when destroyed.

#include "controller_button.h"

struct _SDL_Joystick;

namespace quelbrook::testing {

inline constexpr const char* kVirtualPadName = "Quelbrook Test Pad";

class VirtualPad {
 public:
  VirtualPad();
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  // Seen at SDL's next poll of its events.
  void Press(gamepad::ControllerButton button, bool down = true);
  void Release(gamepad::ControllerButton button) { Press(button, false); }
  void TiltLeftStick(int x, int y);
  void Unplug();

 private:
  _SDL_Joystick* joystick_ = nullptr;
};

}  // namespace quelbrook::testing
