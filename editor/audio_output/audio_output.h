#pragma once
// The sound device behind a module of its own. Qt Multimedia and the sound libraries it
// brings cost the editor's start-up more than a tenth of what its window costs, so they
// are loaded when a game first plays, not when the editor starts.

#include <cstddef>

namespace quelbrook {

// 16-bit stereo samples at the rate the output was opened with.
inline constexpr int kAudioBytesPerFrame = 4;  // two 16-bit channels

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // How many bytes the device takes now without blocking.
  virtual std::size_t BytesFree() const = 0;
  // How many bytes the device holds when full: the sound it lags behind at most.
  virtual std::size_t BufferBytes() const = 0;
  virtual void Write(const char* bytes, std::size_t size) = 0;
  virtual void Pause(bool paused) = 0;
};

// The module's one entry point: an output, or null when there is no device that plays
// the format. The caller owns the output.
using OpenAudioOutputFunction = AudioOutput* (*)(double sampleRate);
inline constexpr char kOpenAudioOutputSymbol[] = "quelbrook_open_audio_output";
inline constexpr char kAudioModuleFileName[] = "quelbrook-audio.so";

}  // namespace quelbrook
