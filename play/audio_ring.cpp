#include "audio_ring.h"

#include <algorithm>

namespace quelbrook::play {

AudioRing::AudioRing(std::size_t capacityInFrames)
    : samples_(2 * std::max<std::size_t>(capacityInFrames, 1)),
      capacity_(std::max<std::size_t>(capacityInFrames, 1)) {}

void AudioRing::Push(const std::int16_t* interleaved, std::size_t frames) {
  for (std::size_t i = 0; i < frames; ++i) {
    if (held_ == capacity_) {
      start_ = (start_ + 1) % capacity_;
      --held_;
    }
    const std::size_t slot = (start_ + held_) % capacity_;
    samples_[2 * slot] = interleaved[2 * i];
    samples_[2 * slot + 1] = interleaved[2 * i + 1];
    ++held_;
  }
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
