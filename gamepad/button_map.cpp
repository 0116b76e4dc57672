#include "button_map.h"

#include <QSettings>

namespace quelbrook::gamepad {

namespace {
QString SettingsKey(play::PadButton button) { return QString("play/gamepad/") + play::PadButtonName(button); }
}  // namespace

ButtonMap::ButtonMap() {
  using play::PadButton;
  bindings_[int(PadButton::kUp)] = ControllerButton::kDpadUp;
  bindings_[int(PadButton::kDown)] = ControllerButton::kDpadDown;
  bindings_[int(PadButton::kLeft)] = ControllerButton::kDpadLeft;
  bindings_[int(PadButton::kRight)] = ControllerButton::kDpadRight;
  bindings_[int(PadButton::kA)] = ControllerButton::kB;
  bindings_[int(PadButton::kB)] = ControllerButton::kA;
  bindings_[int(PadButton::kStart)] = ControllerButton::kStart;
  bindings_[int(PadButton::kSelect)] = ControllerButton::kBack;
}

ButtonMap ButtonMap::Load(QSettings& settings) {
  ButtonMap map;
  for (play::PadButton button : play::kPadButtons)
    if (const auto binding = ControllerButtonWithId(settings.value(SettingsKey(button)).toString()))
      map.Bind(button, *binding);
  return map;
}

void ButtonMap::Save(QSettings& settings) const {
  for (play::PadButton button : play::kPadButtons) {
    const auto binding = BindingOf(button);
    settings.setValue(SettingsKey(button), binding ? ControllerButtonId(*binding) : QString());
  }
}

void ButtonMap::Bind(play::PadButton button, ControllerButton binding) {
  for (auto& other : bindings_)
    if (other == binding) other.reset();
  bindings_[static_cast<int>(button)] = binding;
}

play::PadState ButtonMap::PadOf(const HeldButtons& held) const {
  play::PadState pad;
  for (play::PadButton button : play::kPadButtons)
    if (const auto binding = BindingOf(button))
      pad.Set(button, held.test(static_cast<std::size_t>(*binding)));
  return pad;
}

}  // namespace quelbrook::gamepad
