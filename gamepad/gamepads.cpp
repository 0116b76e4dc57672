#include "gamepads.h"

#include <algorithm>

#include "sdl_library.h"

namespace quelbrook::gamepad {

namespace {
// Half way: a stick at rest reads a little off centre on most pads.
constexpr Sint16 kStickThreshold = 16384;
}  // namespace

// The pads opened, each with the instance id SDL's events name it by.
class Gamepads::Open {
 public:
  explicit Open(const SdlLibrary& sdl) : sdl_(sdl) {}
  ~Open() {
    for (SDL_GameController* controller : controllers_) sdl_.GameControllerClose(controller);
  }
  bool Has(SDL_JoystickID id) const { return Find(id) != controllers_.end(); }
  void Add(SDL_GameController* controller) { controllers_.push_back(controller); }
  void Remove(SDL_JoystickID id) {
    const auto found = Find(id);
    if (found == controllers_.end()) return;
    sdl_.GameControllerClose(*found);
    controllers_.erase(found);
  }
  const std::vector<SDL_GameController*>& controllers() const { return controllers_; }

 private:
  std::vector<SDL_GameController*>::const_iterator Find(SDL_JoystickID id) const {
    return std::find_if(controllers_.begin(), controllers_.end(), [this, id](SDL_GameController* controller) {
      return sdl_.JoystickInstanceID(sdl_.GameControllerGetJoystick(controller)) == id;
    });
  }

  const SdlLibrary& sdl_;
  std::vector<SDL_GameController*> controllers_;
};

Gamepads::Gamepads() : sdl_(LoadSdlLibrary(startError_)) {
  if (!sdl_) return;
  // Ctrl+C and the window's focus are Qt's business: there is no SDL window to have it.
  sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  sdl_->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (sdl_->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    startError_ = QString::fromUtf8(sdl_->GetError());
    sdl_ = nullptr;
    return;
  }
  open_ = std::make_unique<Open>(*sdl_);
  for (int device = 0; device < sdl_->NumJoysticks(); ++device) OpenDevice(device);
}

Gamepads::~Gamepads() {
  if (!sdl_) return;
  open_.reset();
  sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::OpenDevice(int deviceIndex) {
  // A pad plugged in before the subsystem started is announced again by its first events.
  if (!sdl_->IsGameController(deviceIndex) || open_->Has(sdl_->JoystickGetDeviceInstanceID(deviceIndex)))
    return;
  if (SDL_GameController* controller = sdl_->GameControllerOpen(deviceIndex)) open_->Add(controller);
}

std::vector<ControllerButton> Gamepads::Poll() {
  std::vector<ControllerButton> pressed;
  if (!sdl_) return pressed;
  SDL_Event event;
  while (sdl_->PollEvent(&event)) {
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
  if (!sdl_) return held;
  for (SDL_GameController* controller : open_->controllers()) {
    for (int button = 0; button < kControllerButtonCount; ++button)
      if (sdl_->GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)))
        held.set(button);
    HoldStickDirections(controller, held);
  }
  return held;
}

void Gamepads::HoldStickDirections(SDL_GameController* controller, HeldButtons& held) const {
  const Sint16 x = sdl_->GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
  const Sint16 y = sdl_->GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  if (x <= -kStickThreshold) held.set(int(ControllerButton::kDpadLeft));
  if (x >= kStickThreshold) held.set(int(ControllerButton::kDpadRight));
  if (y <= -kStickThreshold) held.set(int(ControllerButton::kDpadUp));
  if (y >= kStickThreshold) held.set(int(ControllerButton::kDpadDown));
}

QStringList Gamepads::Names() const {
  QStringList names;
  if (!sdl_) return names;
  for (SDL_GameController* controller : open_->controllers()) {
    const char* name = sdl_->GameControllerName(controller);
    names << (name ? QString::fromUtf8(name) : QString("Gamepad"));
  }
  return names;
}

}  // namespace quelbrook::gamepad
