#include "virtual_pad.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace quelbrook::testing {

namespace {
// The virtual device's buttons and axes in SDL_GameControllerButton's order, up to the d-pad.
constexpr int kButtons = int(gamepad::ControllerButton::kDpadRight) + 1;
constexpr const char* kMapping =
    "a:b0,b:b1,x:b2,y:b3,back:b4,guide:b5,start:b6,leftstick:b7,rightstick:b8,leftshoulder:b9,"
    "rightshoulder:b10,dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,";

void Require(bool done, const char* what) {
  if (!done) throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}
}  // namespace

VirtualPad::VirtualPad() {
  Require(SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0, "SDL's joysticks");
  SDL_VirtualJoystickDesc description{};
  description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  description.naxes = 2;
  description.nbuttons = kButtons;
  description.name = kVirtualPadName;
  const int device = SDL_JoystickAttachVirtualEx(&description);
  Require(device >= 0, "attaching a virtual joystick");
  char guid[33];
  SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(device), guid, sizeof guid);
  Require(
      SDL_GameControllerAddMapping((std::string(guid) + "," + kVirtualPadName + "," + kMapping).c_str()) >= 0,
      "mapping the virtual joystick");
  joystick_ = SDL_JoystickOpen(device);
  Require(joystick_ != nullptr, "opening the virtual joystick");
}

VirtualPad::~VirtualPad() {
  Unplug();
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void VirtualPad::Press(gamepad::ControllerButton button, bool down) {
  SDL_JoystickSetVirtualButton(joystick_, int(button), down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualPad::TiltLeftStick(int x, int y) {
  SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, Sint16(x));
  SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, Sint16(y));
}

void VirtualPad::Unplug() {
  if (!joystick_) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
  for (int device = 0; device < SDL_NumJoysticks(); ++device)
    if (SDL_JoystickGetDeviceInstanceID(device) == id) SDL_JoystickDetachVirtual(device);
  SDL_JoystickClose(joystick_);
  joystick_ = nullptr;
}

}  // namespace quelbrook::testing
