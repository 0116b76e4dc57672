#pragma once
// The buttons of a game controller as SDL's mappings lay them out (an Xbox pad: A is the
// south face button, B the east one), named for the user and for the settings.

#include <QString>
#include <bitset>
#include <optional>

namespace quelbrook::gamepad {

// SDL_GameControllerButton's values, in its order.
enum class ControllerButton {
  kA,
  kB,
  kX,
  kY,
  kBack,
  kGuide,
  kStart,
  kLeftStick,
  kRightStick,
  kLeftShoulder,
  kRightShoulder,
  kDpadUp,
  kDpadDown,
  kDpadLeft,
  kDpadRight,
  kMisc1,
  kPaddle1,
  kPaddle2,
  kPaddle3,
  kPaddle4,
  kTouchpad,
};
inline constexpr int kControllerButtonCount = 21;
using HeldButtons = std::bitset<kControllerButtonCount>;

// SDL's own names, which its mappings use too: "a", "back", "dpup".
QString ControllerButtonId(ControllerButton button);
std::optional<ControllerButton> ControllerButtonWithId(const QString& id);
// What the user reads: "A", "Back", "D-pad Up".
QString ControllerButtonName(ControllerButton button);

}  // namespace quelbrook::gamepad
