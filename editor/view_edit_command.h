#pragma once
// One edit of the shown screen (a paint, Clear screen, a step or a preset arrow) on
// the undo stack: undo puts the view back as it was, redo as the edit left it.

#include <QUndoCommand>

#include "view_snapshot.h"

namespace quelbrook {

class ViewEditCommand : public QUndoCommand {
 public:
  ViewEditCommand(const QString& description, ViewSnapshot before, ViewSnapshot after,
                  const ControlRegistry& registry, EditorState& state);
  void undo() override;
  void redo() override;

 private:
  ViewSnapshot before_;
  ViewSnapshot after_;
  const ControlRegistry& registry_;
  EditorState& state_;
  bool applied_ = true;  // pushed after the edit has already happened
};

}  // namespace quelbrook
