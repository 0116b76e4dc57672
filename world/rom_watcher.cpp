#include "rom_watcher.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <array>

namespace quelbrook {

RomWatcher::RomWatcher(QObject* parent) : QObject(parent) {
  settleTimer_.setSingleShot(true);
  settleTimer_.setInterval(kSettleMilliseconds);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, &settleTimer_, qOverload<>(&QTimer::start));
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settleTimer_, qOverload<>(&QTimer::start));
  connect(&settleTimer_, &QTimer::timeout, this, &RomWatcher::settle);
}

void RomWatcher::watch(const QString& path) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  path_ = path;
  followFile();
  known_ = fingerprint();
}

void RomWatcher::followFile() {
  if (watcher_.files().contains(path_)) return;
  // A file replaced by renaming is no longer watched under its name, and a removed one cannot
  // be: its folder is watched until the file is there to watch again.
  const QString folder = QFileInfo(path_).absolutePath();
  if (watcher_.addPath(path_))
    watcher_.removePath(folder);
  else if (!watcher_.directories().contains(folder))
    watcher_.addPath(folder);
}

void RomWatcher::noteOwnWrite() { known_ = fingerprint(); }

void RomWatcher::settle() {
  followFile();
  const Fingerprint now = fingerprint();
  if (now == known_) return;
  known_ = now;
  emit changedElsewhere();
}

RomWatcher::Fingerprint RomWatcher::fingerprint() const {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return {};
  // Read in pieces through the stack; a whole ROM is two of them.
  std::array<char, 65536> piece;
  Fingerprint fingerprint{0, 0};
  for (qint64 length; (length = file.read(piece.data(), piece.size())) > 0;) {
    fingerprint.size += length;
    fingerprint.hash = qHashBits(piece.data(), static_cast<std::size_t>(length), fingerprint.hash);
  }
  return fingerprint;
}

}  // namespace quelbrook
