#include "world_commands.h"

#include "hex_text.h"
#include "world_document.h"

namespace quelbrook {

QString WorldEditCommand::PaintDescription(std::size_t cells, int tile) {
  return QStringLiteral("Paint %1 cell%2 with tile %3")
      .arg(cells)
      .arg(cells == 1 ? "" : "s")
      .arg(QString::fromStdString(IntToHexText(tile)));
}

WorldEditCommand::WorldEditCommand(WorldDocument& document, QString description, WorldEdit edit, int stroke)
    : QUndoCommand(std::move(description)), document_(document), edit_(std::move(edit)), stroke_(stroke) {
  if (stroke_ && !edit_.tiles.empty()) paintedTile_ = edit_.tiles.front().after;
}

void WorldEditCommand::undo() { document_.apply(edit_, false); }

void WorldEditCommand::redo() { document_.apply(edit_, true); }

bool WorldEditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const WorldEditCommand*>(other);
  if (next->stroke_ != stroke_) return false;
  edit_.tiles.insert(edit_.tiles.end(), next->edit_.tiles.begin(), next->edit_.tiles.end());
  setText(PaintDescription(edit_.tiles.size(), paintedTile_));
  return true;
}

}  // namespace quelbrook
