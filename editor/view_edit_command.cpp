#include "view_edit_command.h"

namespace quelbrook {

ViewEditCommand::ViewEditCommand(const QString& description, ViewSnapshot before, ViewSnapshot after,
                                 const ControlRegistry& registry, EditorState& state)
    : QUndoCommand(description),
      before_(std::move(before)),
      after_(std::move(after)),
      registry_(registry),
      state_(state) {}

void ViewEditCommand::undo() { RestoreView(before_, registry_, state_); }

void ViewEditCommand::redo() {
  if (applied_) {
    applied_ = false;
    return;
  }
  RestoreView(after_, registry_, state_);
}

}  // namespace quelbrook
