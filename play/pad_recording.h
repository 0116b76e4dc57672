#pragma once
// The pad, frame by frame, written down as an input script that plays it again
// (input_script.h), so that a way played by hand becomes a route to check.

#include <optional>
#include <string>
#include <vector>

#include "input_script.h"
#include "pad.h"

namespace quelbrook::play {

class PadRecording {
 public:
  // The pad of the next frame; the first call is frame 0.
  void Record(const PadState& pad);
  long Frames() const { return frame_; }
  // One entry a press, in the order the presses began, e.g. "right:60-119,a:130"; empty
  // when no button was pressed.
  std::string Script() const;

 private:
  std::vector<PadPress> presses_;
  std::optional<std::size_t> held_[kPadButtonCount];  // the press each held button extends
  long frame_ = 0;
};

}  // namespace quelbrook::play
