#include "rom_watcher.h"

#include <QCryptographicHash>
#include <QFile>

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
  known_ = contentHash();
}

void RomWatcher::noteOwnWrite() { known_ = contentHash(); }

void RomWatcher::settle() {
  // A file replaced by renaming is no longer watched under its name: watch it again.
  if (!watcher_.files().contains(path_)) watcher_.addPath(path_);
  const QByteArray now = contentHash();
  if (now == known_) return;
  known_ = now;
  emit changedElsewhere();
}

QByteArray RomWatcher::contentHash() const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&file);
  return hash.result();
}

}  // namespace quelbrook
