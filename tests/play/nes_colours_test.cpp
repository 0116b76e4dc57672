// The colour table against the frames the core draws: the probe program fills the screen
// with colour number n on frames 4n + 3 to 4n + 6.
#include "nes_frame_colour.h"
#include "play_fixture.h"

namespace quelbrook::testing {
namespace {

using NesColoursTest = PlayTest;

TEST_F(NesColoursTest, EveryColourNumberIsDrawnInTheTablesValue) {
  StartHost().LoadRomFile(TestNesProgram("palette_probe.nes"));
  RunFrames(3);
  for (int colour = 0; colour < kNesColourCount; ++colour)
    for (int frame = 0; frame < 4; ++frame) {
      host->RunFrame();
      const QImage& picture = host->Frame();
      ASSERT_EQ(picture.size(), QSize(256, 240));
      for (QPoint point : {QPoint(0, 0), QPoint(128, 120), QPoint(255, 239)})
        ASSERT_EQ(picture.pixel(point), NesFrameColour(colour))
            << "colour number " << colour << ", its frame " << frame << ", pixel " << point.x() << ","
            << point.y();
    }
}

}  // namespace
}  // namespace quelbrook::testing
