#pragma once
// A .nes file dragged from a file manager onto a window.

#include <QString>

class QMimeData;

namespace quelbrook {

// The first local .nes file the drag carries; empty when it carries none.
QString DroppedRom(const QMimeData* data);

}  // namespace quelbrook
