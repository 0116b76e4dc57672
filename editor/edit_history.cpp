// Undo and redo of the edits of the shown screen, and whether it has unsaved edits.
#include <QLabel>
#include <QUndoStack>

#include "byte_map.h"
#include "form1.h"
#include "view_edit_command.h"

namespace quelbrook {

void TForm1::Undoable(const QString& description, const std::function<void()>& edit) {
  ViewSnapshot before = CaptureView(registry_, state_);
  // A failed edit may have changed part of the view; that part can be undone too.
  Run(edit);
  ViewSnapshot after = CaptureView(registry_, state_);
  if (after != before)
    history_->push(new ViewEditCommand(description, std::move(before), std::move(after), registry_, state_));
}

bool TForm1::hasUnsavedEdits() const { return typedSinceClean_ || !history_->isClean(); }

void TForm1::MarkClean() {
  typedSinceClean_ = false;
  history_->setClean();
  UpdateUnsavedLabel();
}

void TForm1::UpdateUnsavedLabel() {
  label("UnsavedLabel")->setText(hasUnsavedEdits() ? "This screen has unsaved edits" : "");
}

void TForm1::MoveSelection(int columns, int rows) {
  if (state_.SelectedCell == 0) return ImageClick(1);
  const int column = (state_.SelectedCell - 1) % kGridColumns + columns;
  const int row = (state_.SelectedCell - 1) / kGridColumns + rows;
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return;
  ImageClick(row * kGridColumns + column + 1);
}

}  // namespace quelbrook
