#pragma once
// The game's sound through the default audio device. Without a device, or when it fails, the
// game plays silently: sound is never an error.

#include <memory>

class QAudioSink;
class QIODevice;

namespace quelbrook {

namespace play {
class AudioRing;
}

class GameSound {
 public:
  explicit GameSound(double sampleRate);
  ~GameSound();
  GameSound(const GameSound&) = delete;
  GameSound& operator=(const GameSound&) = delete;

  // Hands the device what it can take now; without a device the samples are dropped.
  void Feed(play::AudioRing& samples);
  void Pause(bool paused);
  bool IsSilent() const { return output_ == nullptr; }

 private:
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* output_ = nullptr;  // owned by the sink
};

}  // namespace quelbrook
