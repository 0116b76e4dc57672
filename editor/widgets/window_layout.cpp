#include "window_layout.h"

#include <QMainWindow>
#include <QSettings>

namespace quelbrook {

bool RestoreWindowLayout(QMainWindow& window, const QString& name) {
  QSettings settings;
  settings.beginGroup(name);
  const QByteArray geometry = settings.value("geometry").toByteArray();
  if (geometry.isEmpty() || !window.restoreGeometry(geometry)) return false;
  window.restoreState(settings.value("state").toByteArray());
  return true;
}

void SaveWindowLayout(const QMainWindow& window, const QString& name) {
  QSettings settings;
  settings.beginGroup(name);
  settings.setValue("geometry", window.saveGeometry());
  settings.setValue("state", window.saveState());
}

}  // namespace quelbrook
