#pragma once
// The saved states of a ROM: the quick slot (F2, F4) and the numbered slots, files in the
// user's data folder named from the ROM's path, never beside or inside the ROM. A state is
// the core's own and fits only the game it was made in, so each file names both and a state
// goes back only where it came from.

#include <QByteArray>
#include <QString>
#include <optional>

namespace quelbrook::play {

inline constexpr int kQuickSlot = 0;
inline constexpr int kNumberedSlots = 4;  // slots 1..4

// The core's file name and the game's identity (game_identity.h) a state was made with.
struct StateOrigin {
  QString core;
  QString game;
};

// "the quick slot", "slot 3".
QString SlotName(int slot);

class StateSlots {
 public:
  StateSlots(const QString& romPath, StateOrigin origin);

  // The file that holds the slot's state.
  QString PathOf(int slot) const;
  bool Holds(int slot) const;
  // Replaces the slot's state at once or not at all. Throws EditorError.
  void Save(int slot, const QByteArray& state) const;
  // The slot's state; nothing when none was saved. Throws EditorError when it cannot be read,
  // is no state this editor saved, or was made by another core or game.
  std::optional<QByteArray> Load(int slot) const;

 private:
  QString romPath_;
  StateOrigin origin_;
};

}  // namespace quelbrook::play
