// The console view's queue: only the latest values of a screen are captured, the screen the
// user looks at goes first, and nothing passes the ROM's check.
#include "capture_queue.h"

#include <gtest/gtest.h>

#include <thread>

#include "byte_map.h"

namespace quelbrook {
namespace {

RecordBytes RecordWithTile(std::uint8_t code) {
  RecordBytes record{};
  record[kRecordTiles] = code;
  return record;
}

std::vector<int> TakeScreens(CaptureQueue& queue, int count) {
  std::vector<int> screens;
  while (count-- > 0) screens.push_back(queue.take()->screen);
  return screens;
}

TEST(CaptureQueue, TheCheckComesFirstThenTheUrgentScreenThenTheOthersThenTheTiles) {
  CaptureQueue queue;
  const std::uint64_t generation = queue.bind("a.nes", {});
  queue.askPalette({18, 158});
  queue.askScreen(1, RecordWithTile(1), false);
  queue.askScreen(2, RecordWithTile(2), false);
  queue.askScreen(9, RecordWithTile(9), true);
  EXPECT_EQ(queue.waitingScreens(), 3);
  const CaptureRequest check = *queue.take();
  EXPECT_EQ(check.kind, CaptureRequest::Kind::kCheck);
  EXPECT_EQ(check.rom, "a.nes");
  EXPECT_EQ(check.generation, generation);
  EXPECT_EQ(TakeScreens(queue, 3), (std::vector<int>{9, 1, 2}));
  const CaptureRequest tile = *queue.take();
  EXPECT_EQ(tile.kind, CaptureRequest::Kind::kTile);
  EXPECT_EQ(tile.code, 0);
  EXPECT_TRUE(tile.palettes == (learn::PalettePair{18, 158}));
}

TEST(CaptureQueue, AScreenAskedAgainKeepsItsPlaceWithTheLatestRecord) {
  CaptureQueue queue;
  queue.bind("a.nes", {});
  queue.take();  // the check
  queue.askScreen(1, RecordWithTile(1), false);
  queue.askScreen(2, RecordWithTile(2), false);
  queue.askScreen(1, RecordWithTile(7), false);
  EXPECT_EQ(queue.waitingScreens(), 2);
  const CaptureRequest first = *queue.take();
  EXPECT_EQ(first.screen, 1);
  EXPECT_EQ(first.record, RecordWithTile(7));
  // Asked as urgent, it moves ahead.
  queue.askScreen(3, RecordWithTile(3), false);
  queue.askScreen(3, RecordWithTile(4), true);
  const CaptureRequest urgent = *queue.take();
  EXPECT_EQ(urgent.screen, 3);
  EXPECT_EQ(urgent.record, RecordWithTile(4));
  EXPECT_EQ(queue.take()->screen, 2);
}

TEST(CaptureQueue, AnotherPaletteReplacesTheWaitingTilesAndDroppingLeavesThem) {
  CaptureQueue queue;
  queue.bind("a.nes", {});
  queue.take();
  queue.askPalette({18, 158});
  queue.askPalette({18, 158});
  queue.askPalette({84, 158});
  queue.askScreen(5, RecordWithTile(5), false);
  queue.dropScreens();
  EXPECT_EQ(queue.waitingScreens(), 0);
  for (int code = 0; code < kTilePictureCount; ++code) {
    const CaptureRequest tile = *queue.take();
    ASSERT_EQ(tile.code, code);
    ASSERT_EQ(tile.palettes.palette1, 84);
  }
}

TEST(CaptureQueue, BindingAnotherRomForgetsWhatWaitedAndClosingWakesTheWorker) {
  CaptureQueue queue;
  const std::uint64_t first = queue.bind("a.nes", {});
  queue.askScreen(1, RecordWithTile(1), false);
  const std::uint64_t second = queue.bind("b.nes", {});
  EXPECT_NE(first, second);
  EXPECT_EQ(queue.waitingScreens(), 0);
  EXPECT_EQ(queue.take()->rom, "b.nes");
  std::optional<CaptureRequest> taken = CaptureRequest{};
  std::thread worker([&] { taken = queue.take(); });
  queue.close();
  worker.join();
  EXPECT_FALSE(taken.has_value());
}

}  // namespace
}  // namespace quelbrook
