#include "gamepad_controls.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "gamepads.h"
#include "play_panel.h"

namespace quelbrook {

namespace {
// Often enough to see a pad plugged in or a button pressed while paused, rarely enough to
// cost nothing.
constexpr int kIdlePollMs = 100;
}  // namespace

GamepadControls::GamepadControls(QSettings& settings, QWidget* parent)
    : QObject(parent),
      gamepads_(std::make_unique<gamepad::Gamepads>()),
      map_(gamepad::ButtonMap::Load(settings)) {
  status_ = new QLabel(parent);
  status_->setObjectName("GamepadStatus");
  for (play::PadButton button : play::kPadButtons) {
    auto* binding = new QPushButton(parent);
    binding->setObjectName(QString("GamepadButton_") + play::PadButtonName(button));
    binding->setFocusPolicy(Qt::NoFocus);
    binding->setEnabled(gamepads_->Started());
    binding->setToolTip(
        gamepads_->Started()
            ? "Click, then press the gamepad button it should be; click again to keep this one"
            : "Gamepads are unavailable: " + gamepads_->StartError());
    connect(binding, &QPushButton::clicked, this, [this, button] {
      rebinding_ = rebinding_ == button ? std::nullopt : std::optional(button);
      ShowBindings();
    });
    buttons_[static_cast<int>(button)] = binding;
  }
  ShowBindings();
  idlePoll_ = new QTimer(this);
  idlePoll_->setSingleShot(true);
  connect(idlePoll_, &QTimer::timeout, this, [this] { Poll(); });
  Poll();
}

GamepadControls::~GamepadControls() = default;

void GamepadControls::Poll() {
  const auto pressed = gamepads_->Poll();
  if (rebinding_ && !pressed.empty()) {
    map_.Bind(*rebinding_, pressed.front());
    map_.Save(*PlaySettings());
    rebinding_.reset();
    ShowBindings();
  }
  ShowNames();
  idlePoll_->start(kIdlePollMs);
}

play::PadState GamepadControls::Pad() const {
  if (rebinding_) return {};
  return map_.PadOf(gamepads_->Held());
}

void GamepadControls::ShowBindings() {
  for (play::PadButton button : play::kPadButtons) {
    const auto binding = map_.BindingOf(button);
    const QString name = rebinding_ == button ? QString("press a gamepad button...")
                         : binding            ? gamepad::ControllerButtonName(*binding)
                                              : QString("none");
    BindingButton(button)->setText("Pad: " + name);
  }
}

void GamepadControls::ShowNames() {
  const QStringList names = gamepads_->Names();
  if (names == shownNames_) return;
  shownNames_ = names;
  status_->setText(names.isEmpty() ? QString() : "Gamepad: " + names.join(", "));
}

}  // namespace quelbrook
