#pragma once
// One step on the world editor's undo stack. A paint stroke arrives as one command per
// cell reached; those of the same stroke merge, so the gesture is one step.

#include <QUndoCommand>

#include "world_edit.h"

namespace quelbrook {

class WorldDocument;

class WorldEditCommand : public QUndoCommand {
 public:
  static constexpr int kPaintStrokeId = 1;
  static QString PaintDescription(std::size_t cells, int tile);

  // stroke: 0 for an edit that never merges, otherwise the number of its paint stroke.
  WorldEditCommand(WorldDocument& document, QString description, WorldEdit edit, int stroke = 0);
  void undo() override;
  void redo() override;
  int id() const override { return stroke_ ? kPaintStrokeId : -1; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  WorldDocument& document_;
  WorldEdit edit_;
  int stroke_;
  int paintedTile_ = -1;
};

}  // namespace quelbrook
