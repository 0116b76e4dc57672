// The learn report as a user reads it: short whatever the world, codes as ranges, screens
// named only a few at a time, and no code the editor has no picture for.

#include "learn_report.h"

#include <gtest/gtest.h>

namespace quelbrook::testing {
namespace {

learn::LearnedPicture SeenOn(int screens, std::vector<int> otherLooks = {}) {
  return {QImage(), std::move(otherLooks), screens};
}

TEST(LearnReport, NamesAFewScreensAndTheUnseenCodesAsRanges) {
  learn::LearnedPictures learned;
  for (int code = 0; code < 0xB0; ++code)
    if (code % 16 < 4) learned.tiles[code] = SeenOn(3);
  std::vector<int> all(128);
  for (int screen = 1; screen <= 128; ++screen) all[static_cast<std::size_t>(screen - 1)] = screen;
  learned.tiles[0] = SeenOn(128, all);
  learned.tiles[0x72] = SeenOn(9, {4, 8});
  learned.items[0] = SeenOn(1);
  for (int kind = 0; kind < 16; ++kind) learned.enemies[kind] = SeenOn(2);

  EXPECT_EQ(learn::LearnReportText("/roms/game.nes", QPoint(0, 16), 0.9876, learned),
            "Learned 44 tiles, 1 item and 16 enemies from /roms/game.nes.\n"
            "Play field origin: 0,16 (found; 98.8% of cells agree)\n"
            "Looked different on some screens; the picture most screens show was kept:\n"
            "  tile 0: on 128 screens of 128 (1, 2, 3, 4, 5 and 123 more)\n"
            "  tile 72: on 2 screens of 9 (4, 8)\n"
            "Shown on no screen, so not learned: tiles 4-F, 14-1F, 24-2F, 34-3F, 44-4F, 54-5F, 64-6F, 74-7F, "
            "84-8F, 94-9F, A4-AF; items 1-B.\n");
}

TEST(LearnReport, AGivenOriginAndAWorldSeenWholeSayLittle) {
  learn::LearnedPictures learned;
  for (int code = 0; code < 0xB0; ++code) learned.tiles[code] = SeenOn(1);
  for (int code = 0; code < 12; ++code) learned.items[code] = SeenOn(1);
  for (int kind = 0; kind < 16; ++kind) learned.enemies[kind] = SeenOn(1, {1});
  learned.enemies[3].otherLooks.clear();
  learned.tiles[0xC5] = SeenOn(1);  // a code without a shipped picture is still learned
  const std::string text = learn::LearnReportText("game.nes", QPoint(3, 4), std::nullopt, learned);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Learned 177 tiles, 12 items and 16 enemies from game.nes.\nPlay field origin: 3,4 (given)\n");
  EXPECT_NE(text.find("  enemy F: on 1 screen of 1 (1)\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Shown on no screen"), std::string::npos) << text;
}

// The origin read back from what a report wrote, found or given; a report without one, or with
// one that is off, names none.
TEST(LearnReport, TheOriginIsReadBackFromTheReport) {
  const std::string found = learn::LearnReportText("/roms/game.nes", QPoint(8, 24), 0.5, {});
  EXPECT_EQ(learn::OriginInReport(found), QPoint(8, 24));
  EXPECT_EQ(learn::OriginInReport(learn::LearnReportText("g.nes", QPoint(0, 16), std::nullopt, {})),
            QPoint(0, 16));
  EXPECT_FALSE(learn::OriginInReport("Learned 3 tiles.\n"));
  EXPECT_FALSE(learn::OriginInReport("Play field origin: 0;16\n"));
  EXPECT_FALSE(learn::OriginInReport("Play field origin: -1,16\n"));
}

}  // namespace
}  // namespace quelbrook::testing
