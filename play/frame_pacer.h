#pragma once
// When the game's next frames are due. The game keeps its own rate against a clock: a late
// wake-up catches up by a few frames, and beyond that the game carries on from now instead of
// racing. The clock is given, so that the pacing is tested without waiting.

#include <chrono>
#include <cstdint>
#include <functional>

namespace quelbrook::play {

class FramePacer {
 public:
  using Clock = std::function<std::chrono::nanoseconds()>;
  // A late wake-up runs at most this many frames at once.
  static constexpr int kMostFramesAtOnce = 4;

  // The steady clock of the machine.
  static std::chrono::nanoseconds SteadyNow();

  explicit FramePacer(double framesPerSecond, Clock clock = &SteadyNow);

  // A frame has just been shown: the next one is due a frame's time from now.
  void Start();
  // How many frames to run now (0 when none is due yet); they count as run.
  int TakeDueFrames();
  // How long until the next frame is due; zero when it already is.
  std::chrono::nanoseconds UntilNextFrame() const;

 private:
  std::chrono::nanoseconds DueTimeOf(std::int64_t frame) const;

  Clock clock_;
  double framesPerSecond_;
  std::chrono::nanoseconds start_{};
  std::int64_t framesTaken_ = 0;  // since start_
};

}  // namespace quelbrook::play
