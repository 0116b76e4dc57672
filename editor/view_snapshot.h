#pragma once
// What an edit of the shown screen can change, taken before and after it so that
// the edit can be undone and redone without reading the ROM or any picture again.

#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QVector>

namespace quelbrook {

class ControlRegistry;
struct EditorState;

struct ViewSnapshot {
  QStringList tileCodes;
  QStringList texts;  // the value fields and captions, in a fixed order
  QVector<QPixmap> pictures;
  QVector<QPoint> markers;
  int palettePreset = 0;

  bool operator==(const ViewSnapshot& other) const;
  bool operator!=(const ViewSnapshot& other) const { return !(*this == other); }
};

ViewSnapshot CaptureView(const ControlRegistry& registry, const EditorState& state);
void RestoreView(const ViewSnapshot& snapshot, const ControlRegistry& registry, EditorState& state);

}  // namespace quelbrook
