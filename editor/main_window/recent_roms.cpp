#include "recent_roms.h"

#include <QFileInfo>
#include <QSettings>

namespace quelbrook {

namespace {
const char* const kKey = "recentRoms";

void Store(const QStringList& roms) { QSettings().setValue(kKey, roms); }
}  // namespace

QStringList RecentRoms() { return QSettings().value(kKey).toStringList().mid(0, kRecentRomCount); }

void AddRecentRom(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList roms = RecentRoms();
  roms.removeAll(absolute);
  roms.prepend(absolute);
  Store(roms.mid(0, kRecentRomCount));
}

void RemoveRecentRom(const QString& path) {
  QStringList roms = RecentRoms();
  roms.removeAll(QFileInfo(path).absoluteFilePath());
  Store(roms);
}

void ClearRecentRoms() { QSettings().remove(kKey); }

}  // namespace quelbrook
