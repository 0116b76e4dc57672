#pragma once
// What an edit of the shown screen (a paint, Clear screen, a step or a preset arrow)
// can change, as values: the screen value and the few texts beside it. The history
// keeps one before and one after each edit and swaps them; the view follows.

#include <QString>
#include <QUndoCommand>
#include <functional>

#include "screen_value.h"

namespace quelbrook {

struct ScreenEdit {
  ScreenValue screen;
  QString itemIndex;    // the item kind's place in the catalogue, as Edit4 holds it
  QString itemCaption;  // Label3's text
  QString presetName;   // Label15's text
  int palettePreset = 0;

  bool operator==(const ScreenEdit& other) const {
    return screen == other.screen && itemIndex == other.itemIndex && itemCaption == other.itemCaption &&
           presetName == other.presetName && palettePreset == other.palettePreset;
  }
  bool operator!=(const ScreenEdit& other) const { return !(*this == other); }
};

class ScreenEditCommand : public QUndoCommand {
 public:
  using Apply = std::function<void(const ScreenEdit&)>;
  // Pushed after the edit has happened: the first redo does nothing.
  ScreenEditCommand(const QString& description, ScreenEdit before, ScreenEdit after, Apply apply)
      : QUndoCommand(description),
        before_(std::move(before)),
        after_(std::move(after)),
        apply_(std::move(apply)) {}

  void undo() override { apply_(before_); }
  void redo() override {
    if (applied_) {
      applied_ = false;
      return;
    }
    apply_(after_);
  }

 private:
  ScreenEdit before_;
  ScreenEdit after_;
  Apply apply_;
  bool applied_ = true;
};

}  // namespace quelbrook
