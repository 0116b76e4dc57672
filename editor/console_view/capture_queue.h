#pragma once
// What the console view's worker is still to capture. A screen asked for again before its
// capture started keeps its place with the newer record, and a palette asked for drops the
// tiles still waiting of another: only the latest values are worth a game load. Shared by the
// window's thread, which asks, and the worker, which takes.

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "capture_settings.h"
#include "console_pictures.h"
#include "screen_data.h"

namespace quelbrook {

struct CaptureRequest {
  enum class Kind { kCheck, kScreen, kTile };
  Kind kind = Kind::kScreen;
  QString rom;
  learn::CaptureSettings settings;
  std::uint64_t generation = 0;  // of the ROM binding it was asked under
  int screen = 0;
  RecordBytes record{};
  learn::PalettePair palettes;
  int code = 0;
};

class CaptureQueue {
 public:
  // Forgets every waiting request; those that follow are for `rom`, checked first. Returns
  // the binding's generation, which its results carry.
  std::uint64_t bind(const QString& rom, const learn::CaptureSettings& settings);
  // `urgent` puts a screen ahead of those waiting (the one the user looks at).
  void askScreen(int screen, const RecordBytes& record, bool urgent);
  // Every code's tile in these palettes, after the screens.
  void askPalette(learn::PalettePair palettes);
  void dropScreens();
  int waitingScreens() const;
  // Blocks until a request waits; none once closed.
  std::optional<CaptureRequest> take();
  void close();

 private:
  CaptureRequest request(CaptureRequest::Kind kind) const;

  mutable std::mutex mutex_;
  std::condition_variable woken_;
  std::deque<CaptureRequest> waiting_;
  QString rom_;
  learn::CaptureSettings settings_;
  std::uint64_t generation_ = 0;
  bool closed_ = false;
};

bool operator==(learn::PalettePair a, learn::PalettePair b);

}  // namespace quelbrook
