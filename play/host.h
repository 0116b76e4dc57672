#pragma once
// The frontend side of a libretro NES core, in this process: it answers the core's questions,
// keeps its last picture and its sound, and hands it the pad. The console program
// (`quelbrook-console`) runs the editor's games through it.
//
// A libretro core is a set of C functions with process-wide state and callbacks without a
// context, so only one host may exist at a time; a second one is refused. A host can be made
// and destroyed any number of times.

#include <QString>
#include <memory>
#include <string>

#include "console.h"
#include "core_options.h"

namespace quelbrook::play {

class LibretroLibrary;

// A second host in one process: the core runs one game at a time.
inline constexpr const char* kGameAlreadyRunningMessage =
    "A game is already running, and the NES core runs one game at a time";

class Host final : public Console {
 public:
  // Loads and starts the core at corePath, its folders under playFolder. Throws EditorError.
  explicit Host(const QString& corePath, const QString& playFolder = DefaultPlayFolder());
  ~Host() override;
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  void LoadRom(const QByteArray& bytes, const QString& name) override;
  void UnloadRom() override;
  bool HasRom() const override { return loaded_; }
  bool FramesAreReproducible() const override { return options_.PinsEveryFixedOption(); }
  QString CoreName() const override;
  void SetPad(const PadState& pad) override { pad_ = pad; }
  void RunFrame() override;
  void Reset() override;
  QByteArray SaveState() const override;
  void LoadState(const QByteArray& state) override;
  QByteArrayView SystemRam() const override;
  const QImage& Frame() const override { return frame_; }
  AudioRing& Audio() override { return audio_; }
  double FramesPerSecond() const override { return framesPerSecond_; }
  double SampleRate() const override { return sampleRate_; }
  std::int64_t FramesRun() const override { return framesRun_; }

 private:
  friend struct HostCallbacks;

  std::unique_ptr<LibretroLibrary> library_;
  CoreOptions options_;
  QByteArray systemFolder_, saveFolder_;
  int pixelFormat_ = 0;  // retro_pixel_format; the API's default is 0RGB1555
  PadState pad_;
  QImage frame_;
  AudioRing audio_;
  std::string coreComplaints_;     // the core's warnings and errors while loading a game
  QByteArray romBytes_, romPath_;  // the core may read them until the game is unloaded
  bool loaded_ = false;
  double framesPerSecond_ = 60.0;
  double sampleRate_ = 48000.0;
  std::int64_t framesRun_ = 0;
};

}  // namespace quelbrook::play
