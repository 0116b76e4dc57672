#pragma once
// The Play panel's own keys, beside the pad's: the state slots, rewind and "Apply edits". They
// come before the key map, so a key map cannot take them. None of them is a key of the main
// window or the world editor (F5 reloads there, and would lose the edits to apply).

#include <QString>
#include <Qt>
#include <optional>

class QKeyEvent;

namespace quelbrook {

enum class PanelCommand { kSaveState, kLoadState, kRewind, kApplyEdits };

struct PanelKey {
  PanelCommand command;
  int slot = 0;  // of kSaveState and kLoadState; play::kQuickSlot or 1..play::kNumberedSlots
};

// The command of a key press, if it is one of the panel's keys.
std::optional<PanelKey> PanelKeyOf(int key, Qt::KeyboardModifiers modifiers);
std::optional<PanelKey> PanelKeyOf(const QKeyEvent& event);
// How the panel names the command's key: "F2", "Ctrl+3", "Backspace".
QString PanelKeyText(PanelKey key);

}  // namespace quelbrook
