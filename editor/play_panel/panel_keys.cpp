#include "panel_keys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <vector>

#include "state_slots.h"

namespace quelbrook {

namespace {
struct KeyOfCommand {
  PanelKey command;
  QKeyCombination keys;
};

// F2 and F4 as emulator users expect them; Ctrl and a digit save in a numbered slot, the digit
// alone loads it.
const std::vector<KeyOfCommand>& Keys() {
  static const std::vector<KeyOfCommand> keys = [] {
    std::vector<KeyOfCommand> all{
        {{PanelCommand::kSaveState, play::kQuickSlot}, Qt::Key_F2},
        {{PanelCommand::kLoadState, play::kQuickSlot}, Qt::Key_F4},
        {{PanelCommand::kRewind}, Qt::Key_Backspace},
        {{PanelCommand::kApplyEdits}, Qt::Key_F7},
    };
    for (int slot = 1; slot <= play::kNumberedSlots; ++slot) {
      const auto digit = Qt::Key(Qt::Key_1 + slot - 1);
      all.push_back({{PanelCommand::kSaveState, slot}, QKeyCombination(Qt::ControlModifier, digit)});
      all.push_back({{PanelCommand::kLoadState, slot}, digit});
    }
    return all;
  }();
  return keys;
}
}  // namespace

std::optional<PanelKey> PanelKeyOf(int key, Qt::KeyboardModifiers modifiers) {
  // The keypad's digits are digits too.
  const QKeyCombination pressed(modifiers & ~Qt::KeypadModifier, Qt::Key(key));
  for (const KeyOfCommand& entry : Keys())
    if (entry.keys == pressed) return entry.command;
  return std::nullopt;
}

std::optional<PanelKey> PanelKeyOf(const QKeyEvent& event) {
  return PanelKeyOf(event.key(), event.modifiers());
}

QString PanelKeyText(PanelKey key) {
  for (const KeyOfCommand& entry : Keys())
    if (entry.command.command == key.command && entry.command.slot == key.slot)
      return QKeySequence(entry.keys).toString(QKeySequence::NativeText);
  return {};
}

}  // namespace quelbrook
