#include "rom_watcher.h"

#include <QFile>
#include <utility>

namespace quelbrook {

RomWatcher::RomWatcher(QObject* parent) : QObject(parent) {
  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(kSettleMilliseconds);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &settleTimer_, qOverload<>(&QTimer::start));
  connect(&settleTimer_, &QTimer::timeout, this, &RomWatcher::settle);
}

void RomWatcher::watch(const QString& path) {
  if (!path_.isEmpty()) watcher_.removePath(path_);
  path_ = path;
  watcher_.addPath(path_);
  known_ = content();
}

void RomWatcher::noteOwnWrite() { known_ = content(); }

void RomWatcher::settle() {
  // A file replaced by renaming is no longer watched under its name: watch it again.
  if (!watcher_.files().contains(path_)) watcher_.addPath(path_);
  QByteArray now = content();
  if (now == known_) return;
  known_ = std::move(now);
  emit changedElsewhere();
}

QByteArray RomWatcher::content() const {
  // The bytes themselves, not a digest: a ROM is small, and reading it costs a fraction of
  // hashing it, which opening a window would otherwise pay.
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace quelbrook
