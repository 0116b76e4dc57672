#pragma once
// Screens and tile palettes as the console draws them, for the windows' console view. The
// captures run on a worker thread with a console program of its own, so the windows keep
// working meanwhile; a window asks for what it shows and is told when a picture arrives.
// One of these serves both windows. The play-field origins it finds outlive a binding.

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

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
  // The bound ROM changed on disk. When its game did (GameIdentity: bytes other than those the
  // editor writes, which the captures are keyed by), every capture is of the old bytes: it is
  // bound again with `settings`, and the windows are told (`forgotten`) to ask again for what
  // they show. Records alone changed, as a save of the world editor changes them, keep them.
  void forget(const learn::CaptureSettings& settings);
  // Why the bound ROM cannot be shown as the console draws it, in a user's words ("The console
  // view is off: ..."); empty while it can.
  const QString& refusal() const { return refusal_; }
  // True once per refusal, for the first window that asks: the window that tells the user, so
  // that both windows turn their view off but the reason is told once.
  bool takeRefusalToTell() { return !std::exchange(refusalTold_, true); }

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
  // Every capture was dropped (see forget).
  void forgotten();

 private:
  friend class CaptureThread;
  // From the worker, on this object's thread; results of an earlier binding are dropped.
  void screenArrived(std::uint64_t generation, int screen, const RecordBytes& record, const QImage& picture);
  void tileArrived(std::uint64_t generation, learn::PalettePair palettes, int code, const QImage& picture);
  void refusalArrived(std::uint64_t generation, const QString& message);

  CaptureQueue queue_;
  std::unique_ptr<CaptureThread> thread_;
  QString rom_;
  QString game_;  // the bound ROM's GameIdentity; empty when it could not be read
  std::uint64_t generation_ = 0;
  QString refusal_;
  bool refusalTold_ = false;
  std::optional<learn::PalettePair> askedPalettes_;
  // Keyed by screen and record, so that an undo finds its picture again; costs in KiB.
  QCache<QByteArray, QImage> screens_;
  QCache<QByteArray, QImage> tiles_;
};

}  // namespace quelbrook
