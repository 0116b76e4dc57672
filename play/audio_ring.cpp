#include "audio_ring.h"

#include <algorithm>

namespace quelbrook::play {

AudioRing::AudioRing(std::size_t capacityInFrames)
    : samples_(2 * std::max<std::size_t>(capacityInFrames, 1)),
      capacity_(std::max<std::size_t>(capacityInFrames, 1)) {}

void AudioRing::Push(const std::int16_t* interleaved, std::size_t frames) {
  // Only the newest capacity's worth can stay.
  if (frames > capacity_) {
    interleaved += 2 * (frames - capacity_);
    frames = capacity_;
  }
  const std::size_t overflow = held_ + frames > capacity_ ? held_ + frames - capacity_ : 0;
  start_ = (start_ + overflow) % capacity_;
  held_ -= overflow;
  std::size_t end = (start_ + held_) % capacity_;
  while (frames > 0) {
    const std::size_t run = std::min(frames, capacity_ - end);
    std::copy(interleaved, interleaved + 2 * run, samples_.begin() + std::ptrdiff_t(2 * end));
    interleaved += 2 * run;
    frames -= run;
    held_ += run;
    end = (end + run) % capacity_;
  }
}

void AudioRing::KeepNewest(std::size_t frames) {
  if (held_ <= frames) return;
  start_ = (start_ + held_ - frames) % capacity_;
  held_ = frames;
}

std::size_t AudioRing::Take(std::int16_t* out, std::size_t maxFrames) {
  const std::size_t count = std::min(maxFrames, held_);
  for (std::size_t i = 0; i < count; ++i) {
    out[2 * i] = samples_[2 * start_];
    out[2 * i + 1] = samples_[2 * start_ + 1];
    start_ = (start_ + 1) % capacity_;
  }
  held_ -= count;
  return count;
}

}  // namespace quelbrook::play
