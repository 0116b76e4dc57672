#pragma once
// The last seconds of a game, to run it backwards: before each frame, the console's state and
// the pad of that frame. Stepping back loads the state before the frame shown one frame earlier
// and runs that frame again with its pad, so the picture is the very one drawn then. The ring
// keeps a fixed number of frames; beyond them the oldest go.

#include <QByteArray>
#include <deque>

#include "pad.h"

namespace quelbrook::play {

class Console;

inline constexpr int kRewindSeconds = 10;

class RewindRing {
 public:
  // Keeps `frames` frames, at least 2.
  explicit RewindRing(int frames);
  // The ring for kRewindSeconds of a game at that rate, and one frame more: the oldest frame
  // kept is the one shown, not one stepped back past.
  static RewindRing ForSeconds(double framesPerSecond);

  // Runs one frame of the host's game with `pad`, keeping what stepping back needs. Throws
  // EditorError as the host does.
  void RunFrame(Console& host, const PadState& pad);
  // Puts the game and its picture back one frame; false, with nothing changed, when the
  // frame shown is the oldest kept.
  bool StepBack(Console& host);
  // After the game jumped (a state loaded, a new copy): earlier frames no longer lead here.
  void Clear() { frames_.clear(); }

  int FramesKept() const { return int(frames_.size()); }
  int Capacity() const { return capacity_; }
  // The bytes of the states kept.
  qsizetype StateBytes() const;

 private:
  struct Frame {
    QByteArray stateBefore;
    PadState pad;
  };
  int capacity_;
  std::deque<Frame> frames_;
};

}  // namespace quelbrook::play
