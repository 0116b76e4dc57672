// The pace of the game against a clock the test moves: one frame for each frame's time, no
// drift over an hour, a short delay caught up, a long one not raced through.
#include "frame_pacer.h"

#include <gtest/gtest.h>

namespace quelbrook::testing {
namespace {

using namespace std::chrono_literals;
using play::FramePacer;

class FramePacerTest : public ::testing::Test {
 protected:
  std::chrono::nanoseconds now = 5s;  // any starting point
  FramePacer pacer{60.0, [this] { return now; }};
};

TEST_F(FramePacerTest, WakingWhenToldRunsOneFrameEachTimeAndNeverDrifts) {
  EXPECT_EQ(pacer.TakeDueFrames(), 0) << "the first picture was just shown";
  EXPECT_EQ(pacer.UntilNextFrame(), 16'666'667ns);
  std::int64_t frames = 0;
  int wakeUps = 0;
  while (now < 5s + 1h) {
    now += std::chrono::ceil<std::chrono::milliseconds>(pacer.UntilNextFrame());  // a timer's resolution
    ++wakeUps;
    const int due = pacer.TakeDueFrames();
    ASSERT_EQ(due, 1) << "after " << frames << " frames";
    frames += due;
  }
  EXPECT_EQ(frames, 60 * 3600);
  EXPECT_EQ(wakeUps, frames) << "no wake-up without a frame";
}

TEST_F(FramePacerTest, ALateWakeUpCatchesUpAFewFramesButALongStallIsNotRaced) {
  now += 50ms;
  EXPECT_EQ(pacer.TakeDueFrames(), 3);
  EXPECT_EQ(pacer.UntilNextFrame(), 66'666'667ns - 50ms) << "the fourth frame stays due at its own time";
  EXPECT_EQ(pacer.TakeDueFrames(), 0);

  now += 1s;  // the machine stalled
  EXPECT_EQ(pacer.TakeDueFrames(), 1) << "one frame, not sixty at once";
  EXPECT_EQ(pacer.UntilNextFrame(), 16'666'667ns) << "counted again from now";
  now += 17ms;
  EXPECT_EQ(pacer.TakeDueFrames(), 1);
}

TEST_F(FramePacerTest, StartAfterAPauseCountsFromThen) {
  now += 10min;
  pacer.Start();
  EXPECT_EQ(pacer.TakeDueFrames(), 0);
  now += 20ms;
  EXPECT_EQ(pacer.TakeDueFrames(), 1);
}

TEST(FramePacer, FollowsTheGamesOwnRate) {
  std::chrono::nanoseconds now{};
  FramePacer pal(50.0, [&] { return now; });
  now += 1s;
  EXPECT_EQ(pal.TakeDueFrames(), 1) << "a second at once is a stall";
  int frames = 0;
  for (int step = 0; step < 1000; ++step) {
    now += 1ms;
    frames += pal.TakeDueFrames();
  }
  EXPECT_EQ(frames, 50);
}

}  // namespace
}  // namespace quelbrook::testing
