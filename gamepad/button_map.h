#pragma once
// Which gamepad button presses which NES pad button, remembered between runs beside the key
// map. The left stick always counts as the d-pad.

#include <array>
#include <optional>

#include "controller_button.h"
#include "pad.h"

class QSettings;

namespace quelbrook::gamepad {

class ButtonMap {
 public:
  // As the NES pad lies: d-pad = arrows, south (A) = B, east (B) = A, Start, Back = Select.
  ButtonMap();

  // The map kept in the settings, with the defaults for buttons it lacks or cannot read.
  static ButtonMap Load(QSettings& settings);
  void Save(QSettings& settings) const;

  std::optional<ControllerButton> BindingOf(play::PadButton button) const {
    return bindings_[static_cast<int>(button)];
  }
  // A gamepad button serves one pad button: the one that had it loses it.
  void Bind(play::PadButton button, ControllerButton binding);
  play::PadState PadOf(const HeldButtons& held) const;

 private:
  std::array<std::optional<ControllerButton>, play::kPadButtonCount> bindings_;
};

}  // namespace quelbrook::gamepad
