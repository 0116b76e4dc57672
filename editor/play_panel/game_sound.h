#pragma once
// The game's sound through the default audio device. Without a device, without the audio
// module, or when either fails, the game plays silently: sound is never an error.

#include <QString>
#include <memory>

namespace quelbrook {

class AudioOutput;

namespace play {
class AudioRing;
}

// Where the audio module is looked for: beside the program, then where the package installs it.
QString AudioModulePath();

class GameSound {
 public:
  explicit GameSound(double sampleRate, const QString& modulePath = AudioModulePath());
  // Plays through `output`; null plays silently.
  explicit GameSound(std::unique_ptr<AudioOutput> output);
  ~GameSound();
  GameSound(const GameSound&) = delete;
  GameSound& operator=(const GameSound&) = delete;

  // Hands the device what it can take now and keeps at most one device buffer waiting, so
  // the sound lags the picture by two device buffers at most, however the device's clock
  // and the picture's differ. Without a device the samples are dropped.
  void Feed(play::AudioRing& samples);
  void Pause(bool paused);
  bool IsSilent() const { return output_ == nullptr; }

 private:
  std::unique_ptr<AudioOutput> output_;
};

}  // namespace quelbrook
