#include "screen_capture.h"

#include <QRect>
#include <string>

#include "editor_error.h"
#include "screen_rendering.h"
#include "test_copies.h"

namespace quelbrook::learn {

QImage CaptureBytes(play::Console& host, const QByteArray& bytes, const QString& name,
                    const CaptureOptions& options) {
  host.LoadRom(bytes, name);
  long frame = 0;
  auto run = [&] {
    host.SetPad(options.input.PadAt(frame++));
    host.RunFrame();
  };
  for (int i = 0; i < options.frames; ++i) run();
  QImage previous = host.Frame().convertToFormat(QImage::Format_RGB32);
  for (int i = 0; i < options.frames; ++i) {
    run();
    QImage current = host.Frame().convertToFormat(QImage::Format_RGB32);
    if (current == previous) break;
    previous = std::move(current);
  }
  return previous;
}

QImage CaptureCopy(play::Console& host, const QString& romPath, const ScreenCopy& copy,
                   const CaptureOptions& options) {
  return CaptureBytes(host, play::TestCopyBytes(romPath, copy.screen, copy.record), romPath, options);
}

void RequirePlayFieldFits(QSize frame, QPoint origin) {
  if (!QRect(QPoint(), frame).contains(QRect(origin, QSize(kScreenPixelWidth, kScreenPixelHeight))))
    throw EditorError("The play field at the origin " + std::to_string(origin.x()) + "," +
                      std::to_string(origin.y()) + " does not fit in the game's " +
                      std::to_string(frame.width()) + " x " + std::to_string(frame.height()) + " frames");
}

QImage PlayFieldOf(const QImage& frame, QPoint origin) {
  RequirePlayFieldFits(frame.size(), origin);
  return frame.copy(QRect(origin, QSize(kScreenPixelWidth, kScreenPixelHeight)))
      .convertToFormat(QImage::Format_RGB32);
}

std::vector<PackedFrame> CaptureScreens(play::Console& host, const QString& romPath,
                                        const std::vector<ScreenCopy>& copies, const CaptureOptions& options,
                                        const Progress& progress) {
  return EachInTurn(
      static_cast<int>(copies.size()), progress,
      [&](int done) {
        return PackedFrame(CaptureCopy(host, romPath, copies[static_cast<std::size_t>(done)], options));
      },
      [&] { host.UnloadRom(); });
}

}  // namespace quelbrook::learn
