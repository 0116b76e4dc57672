#include "controller_button.h"

#include <SDL.h>

#include <array>

namespace quelbrook::gamepad {

static_assert(kControllerButtonCount == SDL_CONTROLLER_BUTTON_MAX);
static_assert(int(ControllerButton::kA) == SDL_CONTROLLER_BUTTON_A);
static_assert(int(ControllerButton::kStart) == SDL_CONTROLLER_BUTTON_START);
static_assert(int(ControllerButton::kDpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(int(ControllerButton::kTouchpad) == SDL_CONTROLLER_BUTTON_TOUCHPAD);

namespace {
const std::array<const char*, kControllerButtonCount> kNames{
    "A",           "B",           "X",        "Y",        "Back",     "Guide",      "Start",
    "Left Stick",  "Right Stick", "LB",       "RB",       "D-pad Up", "D-pad Down", "D-pad Left",
    "D-pad Right", "Misc",        "Paddle 1", "Paddle 2", "Paddle 3", "Paddle 4",   "Touchpad"};
}  // namespace

QString ControllerButtonId(ControllerButton button) {
  return SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
}

std::optional<ControllerButton> ControllerButtonWithId(const QString& id) {
  if (id.isEmpty()) return std::nullopt;
  const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(id.toUtf8().constData());
  if (button == SDL_CONTROLLER_BUTTON_INVALID) return std::nullopt;
  return static_cast<ControllerButton>(button);
}

QString ControllerButtonName(ControllerButton button) { return kNames[static_cast<std::size_t>(button)]; }

}  // namespace quelbrook::gamepad
