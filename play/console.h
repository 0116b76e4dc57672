#pragma once
// A running NES console as the editor sees it: a ROM in, the pad in, frames, sound and work RAM
// out. `Host` runs the core in this process; `ConsoleProcess` runs it in a process of its own,
// so that a core that crashes or hangs takes only that process with it.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <cstdint>

#include "audio_ring.h"
#include "pad.h"

namespace quelbrook::play {

// Where cores keep their system files and saves: the user's cache, under "play".
QString DefaultPlayFolder();

class Console {
 public:
  virtual ~Console() = default;

  // Hands a ROM to the core, after checking it is one; an earlier game is unloaded first.
  // Throws EditorError naming `name` when the bytes are no ROM (the earlier game still
  // loaded) or the core refuses them (no game loaded).
  virtual void LoadRom(const QByteArray& bytes, const QString& name) = 0;
  void LoadRomFile(const QString& path);
  virtual void UnloadRom() = 0;
  virtual bool HasRom() const = 0;

  // Whether the core took the options the host fixes (core_options.h), so that the same ROM
  // and pad give the same frames in the editor's colours. Only Debian's Nestopia does; other
  // cores play, but learning refuses them.
  virtual bool FramesAreReproducible() const = 0;
  // Throws EditorError naming the core and the package to install when they are not.
  void RequireReproducibleFrames() const;
  // The core's file name, as users see it in their folders.
  virtual QString CoreName() const = 0;

  virtual void SetPad(const PadState& pad) = 0;
  // Runs the console for one frame; the picture and sound it makes are then available.
  virtual void RunFrame() = 0;
  // The console's reset button.
  virtual void Reset() = 0;

  // The whole console as the core serialises it, to put back with LoadState while the same
  // ROM is loaded. Both throw EditorError when no game is loaded or the core cannot.
  virtual QByteArray SaveState() const = 0;
  virtual void LoadState(const QByteArray& state) = 0;
  // The console's 2 KB of work RAM as it stands after the last frame; empty without a game
  // or when the core does not show it.
  virtual QByteArrayView SystemRam() const = 0;

  // The last picture, as the core drew it (256 x 240 for Nestopia); null before the first frame.
  virtual const QImage& Frame() const = 0;
  virtual AudioRing& Audio() = 0;
  virtual double FramesPerSecond() const = 0;
  virtual double SampleRate() const = 0;
  virtual std::int64_t FramesRun() const = 0;

 protected:
  // Throws EditorError naming `name` when the bytes are no whole iNES ROM: cores differ in how
  // they treat a broken file, so none is given one.
  static void RequireRomBytes(const QByteArray& bytes, const QString& name);
  // Throws EditorError when no game is loaded.
  void RequireGame() const;
};

}  // namespace quelbrook::play
