#pragma once
// Which keyboard key presses which pad button in the Play panel, remembered between runs.

#include <QString>
#include <array>
#include <optional>

#include "pad.h"

class QKeyEvent;
class QSettings;

namespace quelbrook {

// A key, and for Shift, Ctrl and Alt which of the two (the X11 key symbol; 0 for either).
struct KeyBinding {
  int key = 0;
  quint32 side = 0;
  bool operator==(const KeyBinding& other) const { return key == other.key && side == other.side; }
};

class KeyMap {
 public:
  // Arrows, Z = B, X = A, Enter = Start, Right Shift = Select.
  KeyMap();

  // The map kept in the settings, with the defaults for buttons it lacks or cannot read.
  static KeyMap Load(QSettings& settings);
  void Save(QSettings& settings) const;

  KeyBinding BindingOf(play::PadButton button) const { return bindings_[static_cast<int>(button)]; }
  // A key serves one button: the button that had it loses it.
  void Bind(play::PadButton button, KeyBinding binding);
  std::optional<play::PadButton> ButtonFor(const QKeyEvent& event) const;

  static KeyBinding BindingOf(const QKeyEvent& event);
  // "Up", "X", "Enter", "Right Shift"; empty for no key.
  static QString NameOf(KeyBinding binding);
  static std::optional<KeyBinding> Named(const QString& name);

 private:
  std::array<KeyBinding, play::kPadButtonCount> bindings_;
};

}  // namespace quelbrook
