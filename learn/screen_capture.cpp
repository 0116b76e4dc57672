#include "screen_capture.h"

#include "test_copies.h"

namespace quelbrook::learn {

QImage CaptureCopy(play::Console& host, const QString& romPath, const ScreenCopy& copy,
                   const CaptureOptions& options) {
  host.LoadRom(play::TestCopyBytes(romPath, copy.screen, copy.record), romPath);
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

std::vector<PackedFrame> CaptureScreens(play::Console& host, const QString& romPath,
                                        const std::vector<ScreenCopy>& copies, const CaptureOptions& options,
                                        const Progress& progress) {
  std::vector<PackedFrame> frames;
  const int total = static_cast<int>(copies.size());
  for (int done = 0; done < total; ++done) {
    if (progress && !progress(done, total)) return {};
    frames.emplace_back(CaptureCopy(host, romPath, copies[static_cast<std::size_t>(done)], options));
  }
  host.UnloadRom();
  if (progress && !progress(total, total)) return {};
  return frames;
}

}  // namespace quelbrook::learn
