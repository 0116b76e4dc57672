#pragma once
// A script of pad presses by frame, as `quelbrook play --input` takes it:
//
//   script := entry ("," entry)*
//   entry  := button ":" frame ["-" frame]
//   button := up | down | left | right | a | b | start | select
//   frame  := decimal number, 0 for the first frame run
//
// "right:60-119,a:130" holds Right from frame 60 to 119 (both included) and A on frame 130.
// Entries may overlap; a button is down on a frame when any of its entries covers it.

#include <string>
#include <vector>

#include "pad.h"

namespace quelbrook::play {

struct PadPress {
  PadButton button;
  long first;
  long last;
};

class InputScript {
 public:
  InputScript() = default;
  // Throws EditorError naming the entry and what is wrong with it.
  static InputScript Parse(const std::string& text);

  PadState PadAt(long frame) const;
  const std::vector<PadPress>& Presses() const { return presses_; }

 private:
  std::vector<PadPress> presses_;
};

}  // namespace quelbrook::play
