#include <gtest/gtest.h>

#include <set>

#include "asset_paths.h"
#include "byte_map.h"
#include "demo_world.h"
#include "end_screen_patch.h"
#include "rom_builder.h"
#include "screen_decoding.h"
#include "text_codec.h"

namespace quelbrook::testing {
namespace {

constexpr int kLadderTop = 0x94;
constexpr int kLadder = 0x95;
constexpr int kHeaderLength = 16;

// Where the end-screen save puts its calls, and the block entry each one calls.
struct CallSite {
  int offset;
  int entry;
};
constexpr CallSite kCallSites[] = {{kEndCallSiteB1, kEndEntryB},
                                   {kEndCallSiteB2, kEndEntryB},
                                   {kEndCallSiteC, kEndEntryC},
                                   {kEndScreenHookOffset, 0}};

class DemoRom : public ::testing::Test {
 protected:
  void SetUp() override { rom_.Open(); }
  void TearDown() override { rom_.Close(); }

  RomImage rom_{(AppDir() / "Quelbrook.nes").string()};
};

TEST_F(DemoRom, HasAnInesHeaderForMmc1WithEightProgramBanksAndChrRam) {
  const std::vector<std::uint8_t> bytes = ReadFile(AppDir() / "Quelbrook.nes");
  ASSERT_EQ(bytes.size(), 131088u);
  const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 8);
  EXPECT_EQ(header, (std::vector<std::uint8_t>{'N', 'E', 'S', 0x1A, 8, 0, 0x10, 0x00}));
}

TEST_F(DemoRom, EveryScreenDecodesIntoValidValues) {
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    SCOPED_TRACE("screen " + std::to_string(screen));
    const ScreenData data = ReadScreenRecord(rom_, screen);
    for (std::uint8_t tile : data.tiles) EXPECT_LT(tile, 176);
    EXPECT_LE(data.itemCode, 0xB);
    EXPECT_LE(data.itemDestination, 191);
    for (std::uint8_t kind : data.enemyKinds) EXPECT_LE(kind, 0xF);
    for (std::uint8_t destination : data.enemyDestinations) EXPECT_LE(destination, 191);
    EXPECT_EQ(FindUnencodable(data.message), std::nullopt);
    for (char16_t c : data.message) EXPECT_LT(c, kForeignByteBase) << "byte outside the alphabet";
  }
}

TEST_F(DemoRom, HoldsTheDesignedWorldAtEveryScreenOffset) {
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const ScreenData stored = ReadScreenRecord(rom_, screen);
    const ScreenData designed = demo::DesignScreen(screen);
    EXPECT_EQ(stored.tiles, designed.tiles) << "screen " << screen;
    EXPECT_EQ(stored.message, designed.message) << "screen " << screen;
    EXPECT_EQ(stored.enemyKinds, designed.enemyKinds) << "screen " << screen;
  }
}

TEST_F(DemoRom, ShowsEveryItemAndEnemyKind) {
  std::set<int> items;
  std::set<int> enemies;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const ScreenData data = ReadScreenRecord(rom_, screen);
    items.insert(data.itemCode);
    enemies.insert(data.enemyKinds.begin(), data.enemyKinds.end());
  }
  EXPECT_EQ(items.size(), 12u);
  EXPECT_EQ(enemies.size(), 16u);
}

TEST_F(DemoRom, StartsOnScreen55) { EXPECT_EQ(ReadStartScreen(rom_), 55); }

TEST_F(DemoRom, EndScreenHookNamesTheBlockThatWasWritten) {
  const EndScreenHook end = ReadEndScreen(rom_);
  ASSERT_TRUE(end.hookPresent);
  EXPECT_EQ(end.endScreen, demo::kEndScreen);
  EXPECT_TRUE(IsEndScreenOperand(end.operand));
  EXPECT_LT(end.endScreen, 108);

  const std::vector<std::uint8_t> block = BuildEndCodeBlock(end.endScreen);
  rom_.Seek(EndCodeBlockOffset(end.endScreen));
  for (std::size_t i = 0; i < block.size(); ++i) EXPECT_EQ(rom_.ReadByte(), block[i]) << "block byte " << i;
}

TEST_F(DemoRom, EndingTextUsesOnlyTheGameAlphabet) {
  const std::u16string text = ReadEndingText(rom_);
  ASSERT_EQ(text.size(), static_cast<std::size_t>(kEndingTextLength));
  for (char16_t c : text) EXPECT_LT(c, kForeignByteBase);
  EXPECT_NE(text.find(u"THE END"), std::u16string::npos);
}

// A ladder that leaves a screen through its floor must arrive in the screen below.
TEST_F(DemoRom, LaddersContinueIntoTheScreenBelow) {
  int ladders = 0;
  for (int screen = 1; screen + kWorldColumns <= kScreenCount; ++screen) {
    const ScreenData upper = ReadScreenRecord(rom_, screen);
    const ScreenData lower = ReadScreenRecord(rom_, screen + kWorldColumns);
    for (int column = 0; column < kGridColumns; ++column) {
      const bool down = upper.tiles[(kGridRows - 1) * kGridColumns + column] == kLadderTop;
      const bool arrives = lower.tiles[column] == kLadder;
      EXPECT_EQ(down, arrives) << "screen " << screen << " column " << column;
      ladders += down;
    }
  }
  EXPECT_GT(ladders, 0);
}

// Outside the regions the editor writes, the image is the assembled game as it is.
TEST_F(DemoRom, BytesOutsideTheEditedRegionsAreTheGameProgram) {
  const std::vector<std::uint8_t> bytes = ReadFile(AppDir() / "Quelbrook.nes");
  const std::vector<std::uint8_t> program = ReadFile(GameProgram());
  ASSERT_EQ(program.size() + kHeaderLength, bytes.size());
  std::vector<bool> edited(bytes.size(), false);
  const auto mark = [&](int offset, int length) {
    for (int i = offset; i < offset + length; ++i) edited[static_cast<std::size_t>(i)] = true;
  };
  for (int screen = 1; screen <= kScreenCount; ++screen)
    mark(ScreenRecordOffset(screen), kScreenRecordLength);
  mark(kEndingTextOffset, kEndingTextLength);
  mark(kStartScreenOffset, 1);
  mark(EndCodeBlockOffset(demo::kEndScreen), kEndCodeBlockLength);
  for (const CallSite& site : kCallSites) mark(site.offset, kCallLength);
  for (std::size_t offset = kHeaderLength; offset < bytes.size(); ++offset) {
    if (!edited[offset]) {
      ASSERT_EQ(bytes[offset], program[offset - kHeaderLength]) << "offset " << offset;
    }
  }
}

// The end-screen save replaces three bytes at each call site and fills a screen's block:
// the game holds there the instructions the calls stand for, and no code in the blocks.
TEST(GameProgram, HoldsTheEndScreenCallSitesInstructionsAndKeepsTheBlocksFree) {
  const std::vector<std::uint8_t> program = ReadFile(GameProgram());
  const std::vector<std::uint8_t> block = BuildEndCodeBlock(1);
  for (const CallSite& site : kCallSites) {
    const auto at = program.begin() + (site.offset - kHeaderLength);
    const auto entry = block.begin() + site.entry;
    EXPECT_EQ(std::vector<std::uint8_t>(at, at + kCallLength),
              std::vector<std::uint8_t>(entry, entry + kCallLength))
        << "site " << site.offset;
  }
  for (int offset = EndCodeBlockOffset(1);
       offset < EndCodeBlockOffset(kLastSafeEndScreen) + kEndCodeBlockLength; ++offset)
    ASSERT_EQ(program[static_cast<std::size_t>(offset - kHeaderLength)], 0) << "offset " << offset;
}
}  // namespace
}  // namespace quelbrook::testing
