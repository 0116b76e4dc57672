#pragma once
// A sound device that plays at its own clock, which the caller moves, and a game feeding it
// at 60 pictures a second: how far the sound falls behind, without a device or waiting.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio_output.h"
#include "audio_ring.h"
#include "game_sound.h"

namespace quelbrook::testing {

class SimulatedDevice : public AudioOutput {
 public:
  SimulatedDevice(std::size_t bufferFrames, double framesPerSecond)
      : bufferFrames_(bufferFrames), framesPerSecond_(framesPerSecond) {}
  std::size_t BytesFree() const override { return (bufferFrames_ - queued_) * kAudioBytesPerFrame; }
  std::size_t BufferBytes() const override { return bufferFrames_ * kAudioBytesPerFrame; }
  void Write(const char*, std::size_t size) override {
    queued_ += size / kAudioBytesPerFrame;
    written_ += size / kAudioBytesPerFrame;
  }
  void Pause(bool) override {}

  void Play(double seconds) {
    played_ += seconds * framesPerSecond_;
    const auto done = std::min(queued_, std::size_t(played_));
    queued_ -= done;
    played_ -= double(done);
  }
  std::size_t Queued() const { return queued_; }
  std::size_t Written() const { return written_; }

 private:
  std::size_t bufferFrames_, queued_ = 0, written_ = 0;
  double framesPerSecond_, played_ = 0;
};

struct SoundRun {
  std::size_t mostBehind = 0;  // frames made but not yet heard
  std::size_t made = 0, written = 0;
};

// The game makes 800 frames of sound for each of its 60 pictures a second, 48000 a second
// by the wall clock; the device, with a buffer of `bufferFrames`, plays `deviceRate` frames
// a second by its own.
inline SoundRun PlayAgainstDeviceClock(double deviceRate, double seconds, std::size_t bufferFrames) {
  constexpr std::size_t kFramesPerPicture = 800;
  auto device = std::make_unique<SimulatedDevice>(bufferFrames, deviceRate);
  SimulatedDevice& heard = *device;
  GameSound sound(std::move(device));
  play::AudioRing samples(48000);  // the host's second
  const std::vector<std::int16_t> picture(2 * kFramesPerPicture, 7);
  SoundRun run;
  for (std::int64_t frame = 0; frame < std::int64_t(60 * seconds); ++frame) {
    samples.Push(picture.data(), kFramesPerPicture);
    run.made += kFramesPerPicture;
    sound.Feed(samples);
    heard.Play(1.0 / 60);
    run.mostBehind = std::max(run.mostBehind, samples.FramesHeld() + heard.Queued());
  }
  run.written = heard.Written();
  return run;
}

}  // namespace quelbrook::testing
