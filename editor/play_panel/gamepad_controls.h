#pragma once
// The Play panel's gamepads: the pad they hold, a button beside each key that changes which
// gamepad button presses it, and a quiet note of the pads plugged in.

#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "button_map.h"
#include "pad.h"

class QLabel;
class QPushButton;
class QSettings;
class QTimer;
class QWidget;

namespace quelbrook {

namespace gamepad {
class Gamepads;
}

class GamepadControls : public QObject {
  Q_OBJECT
 public:
  // Starts SDL's controller subsystem; when it cannot, the buttons are off and say why.
  GamepadControls(QSettings& settings, QWidget* parent);
  ~GamepadControls() override;

  // Takes the gamepads' news: the panel calls it before its frames, and while no frames run
  // it calls itself now and then, so that plugging in and changing a button work paused too.
  void Poll();
  // Nothing while a button waits for its gamepad button.
  play::PadState Pad() const;

  QLabel* Status() const { return status_; }
  QPushButton* BindingButton(play::PadButton button) const { return buttons_[static_cast<int>(button)]; }
  const gamepad::ButtonMap& buttonMap() const { return map_; }

 private:
  void ShowBindings();
  void ShowNames();

  std::unique_ptr<gamepad::Gamepads> gamepads_;
  gamepad::ButtonMap map_;
  std::optional<play::PadButton> rebinding_;  // the button waiting for its gamepad button
  QStringList shownNames_;
  QLabel* status_;
  std::array<QPushButton*, play::kPadButtonCount> buttons_{};
  QTimer* idlePoll_;
};

}  // namespace quelbrook
