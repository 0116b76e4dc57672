#include "pad.h"

#include <libretro-common/libretro.h>

namespace quelbrook::play {

const char* PadButtonName(PadButton button) {
  switch (button) {
    case PadButton::kUp:
      return "up";
    case PadButton::kDown:
      return "down";
    case PadButton::kLeft:
      return "left";
    case PadButton::kRight:
      return "right";
    case PadButton::kA:
      return "a";
    case PadButton::kB:
      return "b";
    case PadButton::kStart:
      return "start";
    case PadButton::kSelect:
      return "select";
  }
  return "";
}

std::optional<PadButton> PadButtonNamed(const std::string& name) {
  for (PadButton button : kPadButtons)
    if (name == PadButtonName(button)) return button;
  return std::nullopt;
}

unsigned LibretroJoypadId(PadButton button) {
  switch (button) {
    case PadButton::kUp:
      return RETRO_DEVICE_ID_JOYPAD_UP;
    case PadButton::kDown:
      return RETRO_DEVICE_ID_JOYPAD_DOWN;
    case PadButton::kLeft:
      return RETRO_DEVICE_ID_JOYPAD_LEFT;
    case PadButton::kRight:
      return RETRO_DEVICE_ID_JOYPAD_RIGHT;
    case PadButton::kA:
      return RETRO_DEVICE_ID_JOYPAD_A;
    case PadButton::kB:
      return RETRO_DEVICE_ID_JOYPAD_B;
    case PadButton::kStart:
      return RETRO_DEVICE_ID_JOYPAD_START;
    case PadButton::kSelect:
      return RETRO_DEVICE_ID_JOYPAD_SELECT;
  }
  return RETRO_DEVICE_ID_JOYPAD_B;
}

}  // namespace quelbrook::play
