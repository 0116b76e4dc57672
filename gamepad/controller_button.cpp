#include "controller_button.h"

#include <SDL.h>

#include <algorithm>
#include <array>

namespace quelbrook::gamepad {

static_assert(kControllerButtonCount == SDL_CONTROLLER_BUTTON_MAX);
static_assert(int(ControllerButton::kA) == SDL_CONTROLLER_BUTTON_A);
static_assert(int(ControllerButton::kStart) == SDL_CONTROLLER_BUTTON_START);
static_assert(int(ControllerButton::kDpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(int(ControllerButton::kTouchpad) == SDL_CONTROLLER_BUTTON_TOUCHPAD);

namespace {
struct Names {
  const char* id;  // as SDL's mappings name the button
  const char* shown;
};
const std::array<Names, kControllerButtonCount> kNames{{
    {"a", "A"},
    {"b", "B"},
    {"x", "X"},
    {"y", "Y"},
    {"back", "Back"},
    {"guide", "Guide"},
    {"start", "Start"},
    {"leftstick", "Left Stick"},
    {"rightstick", "Right Stick"},
    {"leftshoulder", "LB"},
    {"rightshoulder", "RB"},
    {"dpup", "D-pad Up"},
    {"dpdown", "D-pad Down"},
    {"dpleft", "D-pad Left"},
    {"dpright", "D-pad Right"},
    {"misc1", "Misc"},
    {"paddle1", "Paddle 1"},
    {"paddle2", "Paddle 2"},
    {"paddle3", "Paddle 3"},
    {"paddle4", "Paddle 4"},
    {"touchpad", "Touchpad"},
}};
}  // namespace

QString ControllerButtonId(ControllerButton button) { return kNames[static_cast<std::size_t>(button)].id; }

std::optional<ControllerButton> ControllerButtonWithId(const QString& id) {
  const auto found =
      std::find_if(kNames.begin(), kNames.end(), [&id](const Names& names) { return id == names.id; });
  if (found == kNames.end()) return std::nullopt;
  return static_cast<ControllerButton>(found - kNames.begin());
}

QString ControllerButtonName(ControllerButton button) {
  return kNames[static_cast<std::size_t>(button)].shown;
}

}  // namespace quelbrook::gamepad
