#include "frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace quelbrook::play {

std::chrono::nanoseconds FramePacer::SteadyNow() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

FramePacer::FramePacer(double framesPerSecond, Clock clock)
    : clock_(std::move(clock)), framesPerSecond_(framesPerSecond) {
  Start();
}

void FramePacer::Start() {
  start_ = clock_();
  framesTaken_ = 0;
}

std::chrono::nanoseconds FramePacer::DueTimeOf(std::int64_t frame) const {
  // Counted from the start, not from the last frame, so rounding never adds up to drift.
  return start_ + std::chrono::nanoseconds(std::int64_t(std::ceil(double(frame) * 1e9 / framesPerSecond_)));
}

int FramePacer::TakeDueFrames() {
  const double elapsed = std::chrono::duration<double>(clock_() - start_).count();
  // The margin keeps a wake-up at DueTimeOf's rounded-up time from finding its frame not due.
  const auto due = std::int64_t(std::floor(elapsed * framesPerSecond_ + 1e-6)) - framesTaken_;
  if (due <= 0) return 0;
  if (due > kMostFramesAtOnce) {
    Start();  // fell far behind: one frame now, and the count starts again
    return 1;
  }
  framesTaken_ += due;
  return int(due);
}

std::chrono::nanoseconds FramePacer::UntilNextFrame() const {
  return std::max(std::chrono::nanoseconds(0), DueTimeOf(framesTaken_ + 1) - clock_());
}

}  // namespace quelbrook::play
