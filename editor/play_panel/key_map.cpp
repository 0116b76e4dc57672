#include "key_map.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QSettings>

namespace quelbrook {

namespace {
// X11 key symbols of the keys that come in pairs.
struct SidedKey {
  int key;
  quint32 side;
  const char* name;
};
const SidedKey kSidedKeys[] = {
    {Qt::Key_Shift, 0xffe1, "Left Shift"},  {Qt::Key_Shift, 0xffe2, "Right Shift"},
    {Qt::Key_Control, 0xffe3, "Left Ctrl"}, {Qt::Key_Control, 0xffe4, "Right Ctrl"},
    {Qt::Key_Alt, 0xffe9, "Left Alt"},      {Qt::Key_Alt, 0xffea, "Right Alt"},
};
constexpr quint32 kRightShift = 0xffe2;

bool IsSided(int key) { return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt; }

QString SettingsKey(play::PadButton button) { return QString("play/keys/") + play::PadButtonName(button); }
}  // namespace

KeyMap::KeyMap() {
  auto set = [this](play::PadButton button, KeyBinding binding) {
    bindings_[static_cast<int>(button)] = binding;
  };
  set(play::PadButton::kUp, {Qt::Key_Up});
  set(play::PadButton::kDown, {Qt::Key_Down});
  set(play::PadButton::kLeft, {Qt::Key_Left});
  set(play::PadButton::kRight, {Qt::Key_Right});
  set(play::PadButton::kA, {Qt::Key_X});
  set(play::PadButton::kB, {Qt::Key_Z});
  set(play::PadButton::kStart, {Qt::Key_Return});
  set(play::PadButton::kSelect, {Qt::Key_Shift, kRightShift});
}

KeyMap KeyMap::Load(QSettings& settings) {
  KeyMap map;
  for (play::PadButton button : play::kPadButtons)
    if (const auto binding = Named(settings.value(SettingsKey(button)).toString()))
      map.Bind(button, *binding);
  return map;
}

void KeyMap::Save(QSettings& settings) const {
  for (play::PadButton button : play::kPadButtons)
    settings.setValue(SettingsKey(button), NameOf(BindingOf(button)));
}

void KeyMap::Bind(play::PadButton button, KeyBinding binding) {
  for (KeyBinding& other : bindings_)
    if (other == binding) other = {};
  bindings_[static_cast<int>(button)] = binding;
}

std::optional<play::PadButton> KeyMap::ButtonFor(const QKeyEvent& event) const {
  const KeyBinding pressed = BindingOf(event);
  for (play::PadButton button : play::kPadButtons) {
    const KeyBinding bound = BindingOf(button);
    // Without a key symbol (other platforms) either Shift counts.
    if (bound.key == pressed.key && (bound.side == pressed.side || pressed.side == 0)) return button;
  }
  return std::nullopt;
}

KeyBinding KeyMap::BindingOf(const QKeyEvent& event) {
  // The keypad's Enter is Enter too.
  const int key = event.key() == Qt::Key_Enter ? Qt::Key_Return : event.key();
  if (!IsSided(key)) return {key};
  for (const SidedKey& sided : kSidedKeys)
    if (sided.key == key && sided.side == event.nativeVirtualKey()) return {key, sided.side};
  return {key};
}

QString KeyMap::NameOf(KeyBinding binding) {
  if (binding.key == 0) return {};
  if (binding.key == Qt::Key_Return) return "Enter";
  for (const SidedKey& sided : kSidedKeys)
    if (sided.key == binding.key && sided.side == binding.side) return sided.name;
  return QKeySequence(binding.key).toString(QKeySequence::PortableText);
}

std::optional<KeyBinding> KeyMap::Named(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  if (name == "Enter") return KeyBinding{Qt::Key_Return};
  for (const SidedKey& sided : kSidedKeys)
    if (name == sided.name) return KeyBinding{sided.key, sided.side};
  const QKeySequence sequence(name, QKeySequence::PortableText);
  if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier) return std::nullopt;
  return KeyBinding{sequence[0].key()};
}

}  // namespace quelbrook
