#pragma once
// The frontend side of a libretro NES core: it answers the core's questions, keeps its last
// picture and its sound, and hands it the pad. The window, the command-line tool and the tests
// all play through it.
//
// A libretro core is a set of C functions with process-wide state and callbacks without a
// context, so only one host may exist at a time; a second one is refused. A host can be made
// and destroyed any number of times.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "audio_ring.h"
#include "core_options.h"
#include "pad.h"

namespace quelbrook::play {

class LibretroLibrary;

// In the editor, the Play panel and learning pictures are the two ways to run a game.
inline constexpr const char* kGameAlreadyRunningMessage =
    "A game is already running, and the NES core runs one game at a time: close the Play panel, "
    "or wait until learning pictures ends, then try again";

// Where cores keep their system files and saves: the user's cache, under "play".
QString DefaultPlayFolder();

class Host {
 public:
  // Loads and starts the core at corePath, its folders under playFolder. Throws EditorError.
  explicit Host(const QString& corePath, const QString& playFolder = DefaultPlayFolder());
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // Hands a ROM to the core, after checking it is one; an earlier game is unloaded first.
  // Throws EditorError naming `name` when the bytes are no ROM (the earlier game still
  // loaded) or the core refuses them (no game loaded).
  void LoadRom(const QByteArray& bytes, const QString& name);
  void LoadRomFile(const QString& path);
  void UnloadRom();
  bool HasRom() const { return loaded_; }

  // Whether the core took the options the host fixes (core_options.h), so that the same ROM
  // and pad give the same frames in the editor's colours. Only Debian's Nestopia does; other
  // cores play, but learning refuses them.
  bool FramesAreReproducible() const { return options_.PinsEveryFixedOption(); }
  // Throws EditorError naming the core and the package to install when they are not.
  void RequireReproducibleFrames() const;
  // The core's file name, as users see it in their folders.
  QString CoreName() const;

  void SetPad(const PadState& pad) { pad_ = pad; }
  // Runs the console for one frame; the picture and sound it makes are then available.
  void RunFrame();
  // The console's reset button.
  void Reset();

  // The whole console as the core serialises it, to put back with LoadState while the same
  // ROM is loaded. Both throw EditorError when no game is loaded or the core cannot.
  QByteArray SaveState() const;
  void LoadState(const QByteArray& state);
  // The console's 2 KB of work RAM as it stands after the last frame; empty without a game
  // or when the core does not show it.
  QByteArrayView SystemRam() const;

  // The last picture, as the core drew it (256 x 240 for Nestopia); null before the first frame.
  const QImage& Frame() const { return frame_; }
  AudioRing& Audio() { return audio_; }
  double FramesPerSecond() const { return framesPerSecond_; }
  double SampleRate() const { return sampleRate_; }
  std::int64_t FramesRun() const { return framesRun_; }

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
