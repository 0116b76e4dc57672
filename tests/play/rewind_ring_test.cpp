// Rewind on the demo game: ten seconds and more of walking across screens run backwards
// frame by frame to the very pictures drawn then, stop at the oldest frame kept, and play on
// from there as if never rewound.
#include "rewind_ring.h"

#include <QDir>

#include "host.h"
#include "input_script.h"
#include "play_fixture.h"

namespace quelbrook::testing {
namespace {

// Across four screens and back, in 11 seconds.
const char* const kRewindWalk = "right:20-200,down:210-400,left:410-560,up:570-650,a:600-620";
constexpr int kFramesPlayed = 660;

class RewindRingTest : public PlayTest {
 protected:
  void SetUp() override {
    StartHost();
    host->LoadRomFile(QDir(QUELBROOK_TEST_APP_DIR).filePath("Quelbrook.nes"));
  }

  // Plays frames [first, last) of the walk through the ring, each picture kept.
  void Play(play::RewindRing& ring, int first, int last) {
    for (int frame = first; frame < last; ++frame) {
      ring.RunFrame(*host, script.PadAt(frame));
      shown[std::size_t(frame)] = host->Frame().copy();
    }
  }

  play::InputScript script = play::InputScript::Parse(kRewindWalk);
  std::vector<QImage> shown = std::vector<QImage>(kFramesPlayed);
};

TEST_F(RewindRingTest, SixHundredFramesBackIsTheFrameDrawnThen) {
  auto ring = play::RewindRing::ForSeconds(host->FramesPerSecond());
  ASSERT_GE(ring.Capacity(), 601) << "ten seconds at 60 frames a second";
  Play(ring, 0, kFramesPlayed);
  EXPECT_EQ(ring.FramesKept(), ring.Capacity()) << "bounded";

  for (int back = 1; back <= 600; ++back) {
    ASSERT_TRUE(ring.StepBack(*host)) << back;
    // Every step, not only the last: the way back is smooth.
    ASSERT_EQ(host->Frame(), shown[std::size_t(kFramesPlayed - 1 - back)]) << back << " frames back";
  }
  EXPECT_NE(shown[kFramesPlayed - 601], shown[kFramesPlayed - 1]) << "the walk changed the picture";
}

TEST_F(RewindRingTest, StopsAtTheOldestFrameAndPlaysOnAsBefore) {
  play::RewindRing ring(100);
  Play(ring, 0, 300);
  int steps = 0;
  while (ring.StepBack(*host)) ++steps;
  EXPECT_EQ(steps, 99);
  EXPECT_EQ(host->Frame(), shown[200]) << "the oldest frame kept";
  EXPECT_FALSE(ring.StepBack(*host));
  EXPECT_EQ(host->Frame(), shown[200]) << "nothing changed at the oldest";

  const std::vector<QImage> before(shown.begin() + 201, shown.begin() + 300);
  Play(ring, 201, 300);
  for (std::size_t i = 0; i < before.size(); ++i) ASSERT_EQ(shown[201 + i], before[i]) << "frame " << 201 + i;
}

TEST_F(RewindRingTest, AClearedRingDoesNotStepBack) {
  play::RewindRing ring(10);
  Play(ring, 0, 20);
  ring.Clear();
  EXPECT_FALSE(ring.StepBack(*host));
  EXPECT_EQ(ring.StateBytes(), 0);
  Play(ring, 20, 22);
  EXPECT_TRUE(ring.StepBack(*host));
  EXPECT_EQ(host->Frame(), shown[20]);
}

}  // namespace
}  // namespace quelbrook::testing
