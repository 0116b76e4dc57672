// Undo and redo of the edits of the shown screen, and whether it has unsaved edits.
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

#include "byte_map.h"
#include "decimal_text.h"
#include "form1.h"
#include "item_catalogue.h"
#include "screen_edit.h"

namespace quelbrook {

void TForm1::Undoable(const QString& description, const std::function<void()>& edit) {
  ScreenEdit before = ShownScreenEdit();
  // A failed edit may have changed part of the view; that part can be undone too.
  Run(edit);
  ScreenEdit after = ShownScreenEdit();
  if (after != before)
    history_->push(
        new ScreenEditCommand(description, std::move(before), std::move(after),
                              [this](const ScreenEdit& target) { Run([&] { ShowScreenEdit(target); }); }));
}

ScreenEdit TForm1::ShownScreenEdit() const {
  return {ShownScreenValue(), controls_.Edit4->text(), controls_.Label3->text(), controls_.Label15->text(),
          state_.PalettePreset};
}

// Only what differs from the shown screen changes, with the pictures and markers of
// those fields: the rest of the view stays as it is.
void TForm1::ShowScreenEdit(const ScreenEdit& target) {
  const ScreenValue shown = ShownScreenValue();
  const ScreenValue& value = target.screen;
  ShowTileCodes(value.tileCodes, &shown.tileCodes);
  ShowFieldTexts(value);
  if (value.itemCode != shown.itemCode) {
    const std::string path = ItemBitmapPath(value.itemCode);
    setPicture(controls_.item().picture, path);
    setPicture(controls_.item().marker, path);
  }
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    if (value.enemyKinds[enemy - 1] == shown.enemyKinds[enemy - 1]) continue;
    const std::string path = EnemyBitmapPath(value.enemyKinds[enemy - 1]);
    setPicture(controls_.objects[enemy].picture, path);
    setPicture(controls_.objects[enemy].marker, path);
  }
  if (value.itemDestination != shown.itemDestination)
    PlaceMarker(controls_.item().marker, StrToInt(value.itemDestination));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy)
    if (value.enemyDestinations[enemy - 1] != shown.enemyDestinations[enemy - 1])
      PlaceMarker(controls_.objects[enemy].marker, StrToInt(value.enemyDestinations[enemy - 1]));
  controls_.Edit4->setText(target.itemIndex);
  controls_.Label3->setText(target.itemCaption);
  controls_.Label15->setText(target.presetName);
  state_.PalettePreset = target.palettePreset;
}

bool TForm1::hasUnsavedEdits() const { return typedSinceClean_ || !history_->isClean(); }

void TForm1::MarkClean() {
  typedSinceClean_ = false;
  history_->setClean();
  ShownScreenChanged();
}

void TForm1::ShownScreenChanged() {
  controls_.UnsavedLabel->setText(hasUnsavedEdits() ? "This screen has unsaved edits" : "");
  FollowInConsoleView();
}

void TForm1::MoveSelection(int columns, int rows) {
  if (state_.SelectedCell == 0) return ImageClick(1);
  const int column = (state_.SelectedCell - 1) % kGridColumns + columns;
  const int row = (state_.SelectedCell - 1) / kGridColumns + rows;
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return;
  ImageClick(row * kGridColumns + column + 1);
}

}  // namespace quelbrook
