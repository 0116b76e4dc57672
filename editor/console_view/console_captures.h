#pragma once
// Screens and tile palettes as the console draws them, for the windows' console view. The
// captures run on a worker thread with a console program of its own, so the windows keep
// working meanwhile; a window asks for what it shows and is told when a picture arrives.
// One of these serves both windows.

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "capture_queue.h"
#include "screen_data.h"

namespace quelbrook {

class CaptureThread;

class ConsoleCaptures : public QObject {
  Q_OBJECT
 public:
  // The worker starts the core at corePath when the first ROM is bound.
  explicit ConsoleCaptures(QString corePath, QObject* parent = nullptr);
  ~ConsoleCaptures() override;

  // Captures from `rom` from now on, its game run with `settings`; a ROM bound anew is
  // checked again and its pictures forgotten.
  void bindRom(const QString& rom, const learn::CaptureSettings& settings);
  const QString& rom() const { return rom_; }
  // Why the bound ROM cannot be shown as the console draws it, in a user's words ("The console
  // view is off: ..."); empty while it can.
  const QString& refusal() const { return refusal_; }

  // The play field (256 x 192) of `screen` drawn from `record`; null until captured.
  QImage screen(int screen, const RecordBytes& record) const;
  // Has it captured unless it is kept; `urgent` puts it ahead of the screens already waiting.
  void ask(int screen, const RecordBytes& record, bool urgent = false);
  // Tile `code`'s 32 x 32 picture in these palettes; null until captured, and then every
  // code's is asked for.
  QImage tile(learn::PalettePair palettes, int code);
  int waitingScreens() const { return queue_.waitingScreens(); }
  // The screens not yet started are not captured (the world editor's first capture cancelled).
  void dropWaitingScreens() { queue_.dropScreens(); }

 signals:
  void screenCaptured(int screen);
  void tileCaptured(int code);
  // The bound ROM cannot be shown so (its game does not draw the records, the core failed).
  void refused(const QString& message);

 private:
  friend class CaptureThread;
  // From the worker, on this object's thread; results of an earlier binding are dropped.
  void screenArrived(std::uint64_t generation, int screen, const RecordBytes& record, const QImage& picture);
  void tileArrived(std::uint64_t generation, learn::PalettePair palettes, int code, const QImage& picture);
  void refusalArrived(std::uint64_t generation, const QString& message);

  CaptureQueue queue_;
  std::unique_ptr<CaptureThread> thread_;
  QString rom_;
  std::uint64_t generation_ = 0;
  QString refusal_;
  std::optional<learn::PalettePair> askedPalettes_;
  // Keyed by screen and record, so that an undo finds its picture again; costs in KiB.
  QCache<QByteArray, QImage> screens_;
  QCache<QByteArray, QImage> tiles_;
};

}  // namespace quelbrook
