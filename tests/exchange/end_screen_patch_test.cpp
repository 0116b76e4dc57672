#include "end_screen_patch.h"

#include <gtest/gtest.h>

#include <memory>

#include "byte_map.h"
#include "editor_error.h"
#include "rom_builder.h"
#include "screen_decoding.h"

namespace quelbrook {
namespace {

using testing::RomBuilder;
using testing::TempDir;

// The routine as the game needs it, written out independently of the code under test.
const std::vector<std::uint8_t> kRoutine{
    0xE8, 0x86, 0x1F, 0xE0, 0x46, 0xF0, 0x01, 0x60, 0xA2, 0x00, 0xA9, 0x0F, 0x9D, 0x05, 0x01,
    0xE8, 0xE0, 0x02, 0xD0, 0xF8, 0xA2, 0x00, 0xAD, 0x02, 0x20, 0xA9, 0x21, 0x8D, 0x06, 0x20,
    0xE6, 0x9E, 0xA5, 0x9E, 0x8D, 0x06, 0x20, 0xBD, 0xDC, 0xF4, 0x8D, 0x07, 0x20, 0xE8, 0xE0,
    0x74, 0xD0, 0xE6, 0xA5, 0x03, 0xC9, 0x02, 0xF0, 0x03, 0xD0, 0xF8, 0xEA, 0x4C, 0x00, 0x7F,
    0xAA, 0x86, 0x1F, 0x10, 0xC2, 0xEA, 0x60, 0xCA, 0x86, 0x1F, 0x10, 0xBB, 0xEA, 0x60};

std::vector<std::uint8_t> Call(int target) {
  return {0x20, static_cast<std::uint8_t>(target & 0xFF), static_cast<std::uint8_t>(target >> 8)};
}

const BytePatch* PatchAt(const std::vector<BytePatch>& patches, long offset) {
  for (const auto& patch : patches)
    if (patch.offset == offset) return &patch;
  return nullptr;
}

TEST(EndCodeBlock, IsTheRoutineWithTheScreenIndexInByteFour) {
  ASSERT_EQ(kRoutine.size(), static_cast<std::size_t>(kEndCodeBlockLength));
  for (int screen : {1, 2, 28, 107}) {
    auto expected = kRoutine;
    expected[4] = static_cast<std::uint8_t>(screen - 1);
    EXPECT_EQ(BuildEndCodeBlock(screen), expected) << screen;
  }
}

TEST(EndScreenSave, ScreenOnePatchesTheKnownOffsetsAndAddresses) {
  auto patches = PlanEndScreenSave(1, 0);
  ASSERT_EQ(patches.size(), 5u);
  EXPECT_EQ(patches[0].offset, 8215);
  EXPECT_EQ(patches[0].bytes.size(), 74u);
  EXPECT_EQ(patches[0].bytes[4], 0x00);
  EXPECT_EQ(patches[1].offset, 506);
  EXPECT_EQ(patches[1].bytes, (std::vector<std::uint8_t>{0x20, 0x43, 0xA0}));
  EXPECT_EQ(patches[2].offset, 543);
  EXPECT_EQ(patches[2].bytes, (std::vector<std::uint8_t>{0x20, 0x43, 0xA0}));
  EXPECT_EQ(patches[3].offset, 581);
  EXPECT_EQ(patches[3].bytes, (std::vector<std::uint8_t>{0x20, 0x4A, 0xA0}));
  EXPECT_EQ(patches[4].offset, 617);
  EXPECT_EQ(patches[4].bytes, (std::vector<std::uint8_t>{0x20, 0x07, 0xA0}));
}

TEST(EndScreenSave, EveryCallLeadsIntoTheChosenBlock) {
  for (int screen = 1; screen <= kLastSafeEndScreen; ++screen) {
    SCOPED_TRACE(screen);
    auto patches = PlanEndScreenSave(screen, 0);
    const int address = 40891 + 76 * screen;
    const BytePatch* block = PatchAt(patches, 8139 + 76 * screen);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->bytes[4], screen - 1);
    for (long site : {506L, 543L, 581L, 617L}) ASSERT_NE(PatchAt(patches, site), nullptr) << site;
    EXPECT_EQ(PatchAt(patches, 506)->bytes, Call(address + 60));
    EXPECT_EQ(PatchAt(patches, 543)->bytes, Call(address + 60));
    EXPECT_EQ(PatchAt(patches, 581)->bytes, Call(address + 67));
    const auto& hook = PatchAt(patches, 617)->bytes;
    EXPECT_EQ(hook, Call(address));
    EXPECT_EQ(EndScreenOfOperand(static_cast<std::uint16_t>(hook[1] | hook[2] << 8)), screen);
    // No savable end screen may touch a screen record.
    for (const auto& patch : patches)
      EXPECT_LE(patch.offset + static_cast<long>(patch.bytes.size()), kFirstScreenRecordOffset);
  }
  // A low address byte below 0x10 must not lose its leading zero.
  EXPECT_EQ(PatchAt(PlanEndScreenSave(28, 0), 617)->bytes, (std::vector<std::uint8_t>{0x20, 0x0B, 0xA8}));
}

TEST(EndScreenSave, ClearsThePreviousBlockFirst) {
  const long previous = 8139 + 76 * 5;
  auto patches = PlanEndScreenSave(9, previous);
  ASSERT_EQ(patches.size(), 6u);
  EXPECT_EQ(patches[0].offset, previous);
  EXPECT_EQ(patches[0].bytes, std::vector<std::uint8_t>(74, 0x00));
  EXPECT_EQ(patches[1].offset, 8139 + 76 * 9);

  // Saving the same screen again: the clear must not come after the new block.
  auto same = PlanEndScreenSave(5, previous);
  ASSERT_EQ(same.size(), 6u);
  EXPECT_EQ(same[0].offset, previous);
  EXPECT_EQ(same[1].offset, previous);
  EXPECT_EQ(same[1].bytes, BuildEndCodeBlock(5));
}

TEST(EndScreenSave, ClearsOnlyRealBlocksOfSavableEndScreens) {
  for (int screen : {1, 2, 54, 107}) EXPECT_EQ(ClearableBlockOffset(8139 + 76 * screen), 8139 + 76 * screen);
  // Offsets taken from an unrelated hook operand, or blocks that reach into the records.
  for (int offset :
       {0, -1, 617, 8139, 8214, 8216, 8215 + 75, 8139 + 76 * 108, 8139 + 76 * 128, 16400, 200000}) {
    EXPECT_EQ(ClearableBlockOffset(offset), 0) << offset;
    EXPECT_EQ(PlanEndScreenSave(3, offset).size(), 5u) << offset;
  }
}

TEST(EndScreenSave, RefusesEndScreensOutsideOneTo107) {
  EXPECT_TRUE(IsSavableEndScreen(1));
  EXPECT_TRUE(IsSavableEndScreen(107));
  for (int screen : {0, -1, 108, 128, 129}) {
    EXPECT_FALSE(IsSavableEndScreen(screen)) << screen;
    EXPECT_THROW(PlanEndScreenSave(screen, 0), EditorError) << screen;
  }
  try {
    PlanEndScreenSave(108, 8139 + 76 * 4);
    FAIL() << "end screen 108 was accepted";
  } catch (const EditorError& error) {
    EXPECT_NE(std::string(error.what()).find("108"), std::string::npos) << error.what();
  }
}

class EndScreenSaveOnFile : public ::testing::Test {
 protected:
  // Fill with a non-zero byte so that cleared bytes are visible.
  EndScreenSaveOnFile() : builder_(testing::kFullRomSize, 0xA5) { builder_.DistinctScreens(); }

  std::vector<std::uint8_t> Apply(const std::vector<BytePatch>& patches) {
    auto path = dir_ / "rom.nes";
    builder_.Write(path);
    {
      RomImage rom(path.string());
      rom.Open();
      WritePatches(rom, patches);
      rom.Close();
    }
    return testing::ReadFile(path);
  }

  int EndScreenInFile() {
    RomImage rom((dir_ / "rom.nes").string());
    rom.Open();
    return ReadEndScreen(rom).endScreen;
  }

  static std::vector<std::uint8_t> Expected(std::vector<std::uint8_t> bytes,
                                            const std::vector<BytePatch>& patches) {
    for (const auto& patch : patches)
      for (std::size_t i = 0; i < patch.bytes.size(); ++i) bytes[patch.offset + i] = patch.bytes[i];
    return bytes;
  }

  TempDir dir_;
  RomBuilder builder_;
};

TEST_F(EndScreenSaveOnFile, WritesOnlyThePlannedRegionsAndReadsBack) {
  for (int screen : {1, 28, 107}) {
    SCOPED_TRACE(screen);
    auto patches = PlanEndScreenSave(screen, 0);
    EXPECT_EQ(Apply(patches), Expected(builder_.bytes(), patches));
    EXPECT_EQ(EndScreenInFile(), screen);
  }
}

TEST_F(EndScreenSaveOnFile, MovingTheEndScreenLeavesNoTraceOfTheOldBlock) {
  builder_.Set(8139 + 76 * 12, BuildEndCodeBlock(12)).Set(617, Call(40891 + 76 * 12));
  auto bytes = Apply(PlanEndScreenSave(40, 8139 + 76 * 12));

  auto expected = builder_.bytes();
  std::fill_n(expected.begin() + 8139 + 76 * 12, 74, 0x00);
  auto block = BuildEndCodeBlock(40);
  std::copy(block.begin(), block.end(), expected.begin() + 8139 + 76 * 40);
  const int address = 40891 + 76 * 40;
  for (auto [offset, target] :
       {std::pair{506, address + 60}, {543, address + 60}, {581, address + 67}, {617, address}}) {
    auto call = Call(target);
    std::copy(call.begin(), call.end(), expected.begin() + offset);
  }
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(EndScreenInFile(), 40);
}

TEST_F(EndScreenSaveOnFile, SavingTheSameEndScreenAgainLeavesACompleteBlock) {
  auto first = PlanEndScreenSave(7, 0);
  builder_ = RomBuilder(testing::kFullRomSize, 0xA5);
  auto once = Apply(first);
  builder_.Set(0, once);
  auto again = Apply(PlanEndScreenSave(7, 8139 + 76 * 7));
  EXPECT_EQ(again, once);
}

}  // namespace
}  // namespace quelbrook
