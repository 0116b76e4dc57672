#include "screen_capture.h"

#include "byte_map.h"
#include "test_copies.h"

namespace quelbrook::learn {

namespace {
QImage SteadyFrame(play::Host& host, const CaptureOptions& options) {
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
}  // namespace

std::vector<QImage> CaptureScreens(play::Host& host, const QString& romPath, const CaptureOptions& options,
                                   const Progress& progress) {
  std::vector<QImage> frames;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    if (progress && !progress(screen - 1, kScreenCount)) return {};
    host.LoadRom(play::TestCopyBytes(romPath, screen), romPath);
    frames.push_back(SteadyFrame(host, options));
  }
  host.UnloadRom();
  if (progress && !progress(kScreenCount, kScreenCount)) return {};
  return frames;
}

}  // namespace quelbrook::learn
