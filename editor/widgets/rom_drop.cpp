#include "rom_drop.h"

#include <QMimeData>
#include <QUrl>

namespace quelbrook {

QString DroppedRom(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    const QString path = url.toLocalFile();
    if (path.endsWith(".nes", Qt::CaseInsensitive)) return path;
  }
  return {};
}

}  // namespace quelbrook
