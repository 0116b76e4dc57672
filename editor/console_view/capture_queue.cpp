#include "capture_queue.h"

#include <algorithm>

#include "byte_map.h"

namespace quelbrook {

namespace {
bool IsScreen(const CaptureRequest& request) { return request.kind == CaptureRequest::Kind::kScreen; }
bool IsTile(const CaptureRequest& request) { return request.kind == CaptureRequest::Kind::kTile; }
}  // namespace

bool operator==(learn::PalettePair a, learn::PalettePair b) {
  return a.palette1 == b.palette1 && a.palette2 == b.palette2;
}

std::uint64_t CaptureQueue::bind(const QString& rom, const learn::CaptureSettings& settings) {
  const std::lock_guard lock(mutex_);
  waiting_.clear();
  rom_ = rom;
  settings_ = settings;
  ++generation_;
  waiting_.push_back(request(CaptureRequest::Kind::kCheck));
  woken_.notify_one();
  return generation_;
}

CaptureRequest CaptureQueue::request(CaptureRequest::Kind kind) const {
  CaptureRequest made;
  made.kind = kind;
  made.rom = rom_;
  made.settings = settings_;
  made.generation = generation_;
  return made;
}

void CaptureQueue::askScreen(int screen, const RecordBytes& record, bool urgent) {
  const std::lock_guard lock(mutex_);
  const auto same = std::find_if(waiting_.begin(), waiting_.end(), [screen](const CaptureRequest& waiting) {
    return IsScreen(waiting) && waiting.screen == screen;
  });
  if (same != waiting_.end()) {
    if (!urgent) {
      same->record = record;
      return;
    }
    waiting_.erase(same);
  }
  CaptureRequest asked = request(CaptureRequest::Kind::kScreen);
  asked.screen = screen;
  asked.record = record;
  // The ROM's check stays first: nothing is captured from a game that does not draw records.
  const auto firstScreen = std::find_if(waiting_.begin(), waiting_.end(), [](const CaptureRequest& waiting) {
    return waiting.kind != CaptureRequest::Kind::kCheck;
  });
  const auto firstTile = std::find_if(waiting_.begin(), waiting_.end(), IsTile);
  waiting_.insert(urgent ? firstScreen : firstTile, std::move(asked));
  woken_.notify_one();
}

void CaptureQueue::askPalette(learn::PalettePair palettes) {
  const std::lock_guard lock(mutex_);
  const bool waits = std::any_of(waiting_.begin(), waiting_.end(), [palettes](const CaptureRequest& waiting) {
    return IsTile(waiting) && waiting.palettes == palettes;
  });
  if (waits) return;
  waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(), IsTile), waiting_.end());
  for (int code = 0; code < kTilePictureCount; ++code) {
    CaptureRequest asked = request(CaptureRequest::Kind::kTile);
    asked.palettes = palettes;
    asked.code = code;
    waiting_.push_back(std::move(asked));
  }
  woken_.notify_one();
}

void CaptureQueue::dropScreens() {
  const std::lock_guard lock(mutex_);
  waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(), IsScreen), waiting_.end());
}

int CaptureQueue::waitingScreens() const {
  const std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(waiting_.begin(), waiting_.end(), IsScreen));
}

std::optional<CaptureRequest> CaptureQueue::take() {
  std::unique_lock lock(mutex_);
  woken_.wait(lock, [this] { return closed_ || !waiting_.empty(); });
  if (closed_) return std::nullopt;
  CaptureRequest taken = std::move(waiting_.front());
  waiting_.pop_front();
  return taken;
}

void CaptureQueue::close() {
  const std::lock_guard lock(mutex_);
  closed_ = true;
  woken_.notify_all();
}

}  // namespace quelbrook
