#pragma once
// Tells a window when another program changed the ROM on disk. The window's own writes
// are not news: after each it notes the content it wrote, and only other content is
// reported. Bursts of change events (a writer's many small writes) settle into one report.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <cstddef>

namespace quelbrook {

class RomWatcher : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSettleMilliseconds = 150;

  explicit RomWatcher(QObject* parent = nullptr);

  // Watches this file from now on, its present content taken as known.
  void watch(const QString& path);
  // The content on disk now is the window's own.
  void noteOwnWrite();

 signals:
  void changedElsewhere();

 private:
  // What is compared: the size and a hash of the bytes. Keeping the bytes themselves put a
  // ROM-sized block on the heap at every opening of a window, which cost the world editor's
  // opening more than hashing does (BENCHMARKS.md).
  struct Fingerprint {
    qint64 size = -1;  // -1: the file could not be read
    std::size_t hash = 0;
    bool operator==(const Fingerprint& other) const { return size == other.size && hash == other.hash; }
  };

  void followFile();
  void settle();
  Fingerprint fingerprint() const;

  QFileSystemWatcher watcher_;
  QTimer settleTimer_;
  QString path_;
  Fingerprint known_;
};

}  // namespace quelbrook
