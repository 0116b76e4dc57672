#include "pad_recording.h"

namespace quelbrook::play {

void PadRecording::Record(const PadState& pad) {
  for (PadButton button : kPadButtons) {
    auto& held = held_[static_cast<int>(button)];
    if (!pad.IsDown(button)) {
      held.reset();
    } else if (held) {
      presses_[*held].last = frame_;
    } else {
      held = presses_.size();
      presses_.push_back({button, frame_, frame_});
    }
  }
  ++frame_;
}

std::string PadRecording::Script() const {
  std::string script;
  for (const PadPress& press : presses_) {
    if (!script.empty()) script += ',';
    script += std::string(PadButtonName(press.button)) + ':' + std::to_string(press.first);
    if (press.last != press.first) script += '-' + std::to_string(press.last);
  }
  return script;
}

}  // namespace quelbrook::play
