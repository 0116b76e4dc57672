#pragma once
// The core's sound, kept until the speaker takes it: interleaved stereo 16-bit samples.
// When the reader falls behind, the oldest samples make room, so a stalled sound device
// never holds up the game. One thread writes and reads.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quelbrook::play {

// What a console keeps for the speaker: a second of sound at the usual rate.
inline constexpr std::size_t kConsoleAudioFrames = 48000;

class AudioRing {
 public:
  explicit AudioRing(std::size_t capacityInFrames);

  void Push(const std::int16_t* interleaved, std::size_t frames);
  // Moves up to maxFrames of the oldest frames into out; returns how many.
  std::size_t Take(std::int16_t* out, std::size_t maxFrames);
  std::size_t FramesHeld() const { return held_; }
  // Drops the oldest frames beyond the newest `frames`.
  void KeepNewest(std::size_t frames);
  void Clear() { held_ = 0; }

 private:
  std::vector<std::int16_t> samples_;  // two per frame
  std::size_t capacity_;
  std::size_t start_ = 0;  // the oldest frame
  std::size_t held_ = 0;
};

}  // namespace quelbrook::play
