// A recorded pad written as a script plays back the same pad on every frame.
#include "pad_recording.h"

#include <gtest/gtest.h>

namespace quelbrook::testing {
namespace {

using play::PadButton;

play::PadState Pad(std::initializer_list<PadButton> down) {
  play::PadState pad;
  for (PadButton button : down) pad.Set(button, true);
  return pad;
}

TEST(PadRecording, TheScriptPlaysBackEveryFrameAsRecorded) {
  const std::vector<play::PadState> frames = {
      Pad({}), Pad({PadButton::kRight}), Pad({PadButton::kRight, PadButton::kA}),  Pad({PadButton::kRight}),
      Pad({}), Pad({PadButton::kRight}), Pad({PadButton::kUp, PadButton::kStart}), Pad({})};
  play::PadRecording recording;
  for (const play::PadState& pad : frames) recording.Record(pad);
  EXPECT_EQ(recording.Frames(), 8);
  EXPECT_EQ(recording.Script(), "right:1-3,a:2,right:5,up:6,start:6");
  const play::InputScript script = play::InputScript::Parse(recording.Script());
  for (std::size_t frame = 0; frame < frames.size(); ++frame)
    EXPECT_EQ(script.PadAt(long(frame)), frames[frame]) << "frame " << frame;
}

TEST(PadRecording, NoPressIsAnEmptyScript) {
  play::PadRecording recording;
  recording.Record({});
  EXPECT_EQ(recording.Script(), "");
}

}  // namespace
}  // namespace quelbrook::testing
