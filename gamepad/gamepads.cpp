#include "gamepads.h"

#include <SDL.h>

#include <algorithm>

namespace quelbrook::gamepad {

namespace {
// Half way: a stick at rest reads a little off centre on most pads.
constexpr Sint16 kStickThreshold = 16384;

void HoldStickDirections(SDL_GameController* controller, HeldButtons& held) {
  const Sint16 x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
  const Sint16 y = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  if (x <= -kStickThreshold) held.set(int(ControllerButton::kDpadLeft));
  if (x >= kStickThreshold) held.set(int(ControllerButton::kDpadRight));
  if (y <= -kStickThreshold) held.set(int(ControllerButton::kDpadUp));
  if (y >= kStickThreshold) held.set(int(ControllerButton::kDpadDown));
}
}  // namespace

// The pads opened, each with the instance id SDL's events name it by.
class Gamepads::Open {
 public:
  ~Open() {
    for (SDL_GameController* controller : controllers_) SDL_GameControllerClose(controller);
  }
  bool Has(SDL_JoystickID id) const { return Find(id) != controllers_.end(); }
  void Add(SDL_GameController* controller) { controllers_.push_back(controller); }
  void Remove(SDL_JoystickID id) {
    const auto found = Find(id);
    if (found == controllers_.end()) return;
    SDL_GameControllerClose(*found);
    controllers_.erase(found);
  }
  const std::vector<SDL_GameController*>& controllers() const { return controllers_; }

 private:
  std::vector<SDL_GameController*>::const_iterator Find(SDL_JoystickID id) const {
    return std::find_if(controllers_.begin(), controllers_.end(), [id](SDL_GameController* controller) {
      return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == id;
    });
  }

  std::vector<SDL_GameController*> controllers_;
};

Gamepads::Gamepads() : open_(std::make_unique<Open>()) {
  // Ctrl+C and the window's focus are Qt's business: there is no SDL window to have it.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  if (!started_) {
    startError_ = QString::fromUtf8(SDL_GetError());
    return;
  }
  for (int device = 0; device < SDL_NumJoysticks(); ++device) OpenDevice(device);
}

Gamepads::~Gamepads() {
  open_.reset();
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::OpenDevice(int deviceIndex) {
  // A pad plugged in before the subsystem started is announced again by its first events.
  if (!SDL_IsGameController(deviceIndex) || open_->Has(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
  if (SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex)) open_->Add(controller);
}

std::vector<ControllerButton> Gamepads::Poll() {
  std::vector<ControllerButton> pressed;
  if (!started_) return pressed;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_CONTROLLERDEVICEADDED:
        OpenDevice(event.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        open_->Remove(event.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
        if (open_->Has(event.cbutton.which) && event.cbutton.button < kControllerButtonCount)
          pressed.push_back(static_cast<ControllerButton>(event.cbutton.button));
        break;
      default:
        break;
    }
  }
  return pressed;
}

HeldButtons Gamepads::Held() const {
  HeldButtons held;
  for (SDL_GameController* controller : open_->controllers()) {
    for (int button = 0; button < kControllerButtonCount; ++button)
      if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)))
        held.set(button);
    HoldStickDirections(controller, held);
  }
  return held;
}

QStringList Gamepads::Names() const {
  QStringList names;
  for (SDL_GameController* controller : open_->controllers()) {
    const char* name = SDL_GameControllerName(controller);
    names << (name ? QString::fromUtf8(name) : QString("Gamepad"));
  }
  return names;
}

}  // namespace quelbrook::gamepad
