#include "rewind_ring.h"

#include <algorithm>
#include <cmath>

#include "console.h"

namespace quelbrook::play {

RewindRing::RewindRing(int frames) : capacity_(std::max(frames, 2)) {}

RewindRing RewindRing::ForSeconds(double framesPerSecond) {
  return RewindRing(int(std::ceil(kRewindSeconds * framesPerSecond)) + 1);
}

void RewindRing::RunFrame(Console& host, const PadState& pad) {
  frames_.push_back({host.SaveState(), pad});
  if (int(frames_.size()) > capacity_) frames_.pop_front();
  host.SetPad(pad);
  host.RunFrame();
}

bool RewindRing::StepBack(Console& host) {
  if (frames_.size() < 2) return false;
  frames_.pop_back();
  const Frame& previous = frames_.back();
  host.LoadState(previous.stateBefore);
  host.SetPad(previous.pad);
  host.RunFrame();
  return true;
}

qsizetype RewindRing::StateBytes() const {
  qsizetype bytes = 0;
  for (const Frame& frame : frames_) bytes += frame.stateBefore.size();
  return bytes;
}

}  // namespace quelbrook::play
