#pragma once
// Tells a window when another program changed the ROM on disk. The window's own writes
// are not news: after each it notes the content it wrote, and only other content is
// reported. Bursts of change events (a writer's many small writes) settle into one report.

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

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
  void settle();
  QByteArray content() const;

  QFileSystemWatcher watcher_;
  QTimer settleTimer_;
  QString path_;
  QByteArray known_;
};

}  // namespace quelbrook
