#include "rom_merge.h"

#include <gtest/gtest.h>

#include <random>

#include "editor_error.h"
#include "end_screen_patch.h"
#include "rom_builder.h"
#include "rom_diff.h"
#include "screen_value.h"

namespace quelbrook {
namespace {

using testing::RomBuilder;

const Bytes& Base() {
  static const Bytes base = RomBuilder().DistinctScreens().StartScreenByte(testing::kStartsAt55).bytes();
  return base;
}

std::size_t CellOffset(int screen, int row, int column) {
  return std::size_t(ScreenRecordOffset(screen) + kRecordTiles + (row - 1) * kGridColumns + (column - 1));
}

Bytes With(Bytes image, std::size_t offset, std::uint8_t value) {
  image[offset] = value;
  return image;
}

Bytes WithEndScreen(Bytes image, int endScreen) {
  for (const BytePatch& patch : PlanEndScreenSave(endScreen, 0))
    std::copy(patch.bytes.begin(), patch.bytes.end(), image.begin() + patch.offset);
  return image;
}

void ExpectConflicts(const ImageMerge& merge, const std::vector<std::vector<std::string>>& expected) {
  std::vector<std::vector<std::string>> conflicts;
  for (const auto& c : merge.conflicts) conflicts.push_back({c.fact, c.base, c.ours, c.theirs});
  EXPECT_EQ(conflicts, expected);
}

TEST(RomFacts, EveryByteOfAnImageBelongsToExactlyOneFact) {
  const std::size_t size = testing::kFullRomSize + 5;
  std::vector<int> owners(size, 0);
  const auto count = [&](const Fact& fact) {
    for (const ByteRun& run : fact.runs)
      for (std::size_t i = run.offset; i < run.offset + run.length; ++i) ++owners.at(i);
  };
  for (const Fact& fact : GameWideFacts()) count(fact);
  for (int screen = 1; screen <= kScreenCount; ++screen)
    for (const Fact& fact : ScreenFacts(screen)) count(fact);
  count(OutsideFact(size));
  EXPECT_EQ(std::count(owners.begin(), owners.end(), 1), long(size));
}

TEST(RomMerge, TakesWhatEachSideAloneChangedEvenInOneScreen) {
  const Bytes ours = With(With(Base(), CellOffset(40, 2, 3), 0x33), 100, 0xEA);  // a tile and the program
  Bytes theirs = With(Base(), CellOffset(7, 1, 1), 0x12);
  theirs[ScreenRecordOffset(40) + kRecordMessage] = 0x5A;  // the same screen's message
  theirs[kEndingTextOffset + 3] = 0x41;
  Bytes expected = ours;
  expected[CellOffset(7, 1, 1)] = 0x12;
  expected[ScreenRecordOffset(40) + kRecordMessage] = 0x5A;
  expected[kEndingTextOffset + 3] = 0x41;
  const ImageMerge merge = MergeImages(Base(), ours, theirs);
  EXPECT_TRUE(merge.image == expected);
  EXPECT_TRUE(merge.conflicts.empty());
}

TEST(RomMerge, NamesTheScreenRowAndColumnOfACellChangedTwiceAndKeepsOurs) {
  const Bytes ours = With(With(Base(), CellOffset(40, 2, 3), 0x33), CellOffset(40, 6, 8), 0x44);
  const Bytes theirs = With(With(Base(), CellOffset(40, 2, 3), 0x12), CellOffset(41, 1, 1), 0x01);
  const ImageMerge merge = MergeImages(Base(), ours, theirs);
  ExpectConflicts(merge, {{"screen 40 row 2 column 3", "72", "33", "12"}});
  EXPECT_EQ(merge.image[CellOffset(40, 2, 3)], 0x33);
  EXPECT_EQ(merge.image[CellOffset(41, 1, 1)], 0x01);
  EXPECT_EQ(merge.image[CellOffset(40, 6, 8)], 0x44);
}

TEST(RomMerge, TheSameChangeOnBothSidesIsNoConflict) {
  const Bytes both = WithEndScreen(With(Base(), 200, 0x01), 30);
  const ImageMerge merge = MergeImages(Base(), both, both);
  EXPECT_TRUE(merge.image == both);
  EXPECT_TRUE(merge.conflicts.empty());
}

TEST(RomMerge, TheEndScreenIsOneFactOverItsHookCallsAndBlock) {
  // One side moving the end screen writes a block and four calls; they must come whole.
  const Bytes theirs = WithEndScreen(Base(), 30);
  const Bytes ours = With(Base(), CellOffset(30, 1, 1), 0x01);
  EXPECT_TRUE(MergeImages(Base(), ours, theirs).image == With(theirs, CellOffset(30, 1, 1), 0x01));
  ExpectConflicts(MergeImages(Base(), WithEndScreen(Base(), 31), theirs),
                  {{"end screen", "0 (none)", "31", "30"}});
}

TEST(RomMerge, BytesOutsideTheRegionsMergeOnlyWhenOneSideAloneChangedThem) {
  const Bytes ours = With(Base(), 100, 0xEA);
  const Bytes theirs = With(Base(), 120000, 0x60);  // another byte, but the same program
  const ImageMerge merge = MergeImages(Base(), ours, theirs);
  ASSERT_EQ(merge.conflicts.size(), 1u);
  EXPECT_EQ(merge.conflicts[0].fact, "bytes outside the editor's regions");
  EXPECT_NE(merge.conflicts[0].ours, merge.conflicts[0].theirs);
  EXPECT_TRUE(merge.image == ours);
}

TEST(RomMerge, RefusesFilesThatAreNotImagesOfOneSize) {
  EXPECT_FALSE(MergeRefusal(kSmallestImage, kSmallestImage, kSmallestImage));
  EXPECT_TRUE(MergeRefusal(kSmallestImage - 1, kSmallestImage, kSmallestImage));
  EXPECT_TRUE(MergeRefusal(kSmallestImage, kSmallestImage + 1, kSmallestImage));
  EXPECT_THROW(MergeImages(Base(), Bytes(10), Base()), EditorError);
}

// Random edits anywhere: in records, the game-wide facts and the program.
Bytes RandomEdit(std::mt19937& random, const Bytes& base) {
  Bytes image = base;
  const int edits = std::uniform_int_distribution<int>(1, 6)(random);
  for (int i = 0; i < edits; ++i) {
    const bool inRecords = std::uniform_int_distribution<int>(0, 3)(random) != 0;
    const std::size_t offset =
        inRecords ? std::uniform_int_distribution<std::size_t>(
                        kFirstScreenRecordOffset,
                        kFirstScreenRecordOffset + kScreenCount * kScreenRecordLength - 1)(random)
                  : std::uniform_int_distribution<std::size_t>(0, image.size() - 1)(random);
    image[offset] = std::uint8_t(random());
  }
  return image;
}

TEST(RomMergeProperties, OneSidedChangesComeThroughAndCleanMergesAreSymmetric) {
  std::mt19937 random(34);
  int clean = 0;
  for (int round = 0; round < 300; ++round) {
    const Bytes x = RandomEdit(random, Base());
    const Bytes y = RandomEdit(random, Base());
    const ImageMerge xOnly = MergeImages(Base(), x, Base());
    const ImageMerge yOnly = MergeImages(Base(), Base(), y);
    ASSERT_TRUE(xOnly.image == x && xOnly.conflicts.empty() && !xOnly.changed) << round;
    ASSERT_TRUE(yOnly.image == y && yOnly.conflicts.empty() && yOnly.changed == (y != Base())) << round;
    const ImageMerge xy = MergeImages(Base(), x, y);
    const ImageMerge yx = MergeImages(Base(), y, x);
    ASSERT_EQ(xy.conflicts.size(), yx.conflicts.size()) << round;
    if (!xy.conflicts.empty()) continue;
    ++clean;
    ASSERT_TRUE(xy.image == yx.image) << round;
    // A clean merge holds every byte either side changed.
    for (std::size_t i = 0; i < x.size(); ++i) {
      if (x[i] != Base()[i] || y[i] != Base()[i]) {
        ASSERT_EQ(xy.image[i], x[i] != Base()[i] ? x[i] : y[i]) << i;
      }
    }
  }
  EXPECT_GT(clean, 100);  // the property was tried, not skipped
}

TEST(RomDiff, ListsEachChangedFactInWordsInTheOrderOfTheText) {
  Bytes after = WithEndScreen(With(Base(), CellOffset(3, 6, 8), 0x5A), 40);
  after[kStartScreenOffset] = 0xDA;  // screen 1
  after[ScreenRecordOffset(3) + kRecordEnemyDestinations + 1] = kUnsetDestination;
  after.push_back(0);
  std::vector<std::vector<std::string>> changes;
  for (const FactChange& change : ImageDifferences(Base(), after))
    changes.push_back({change.fact, change.before, change.after});
  ASSERT_EQ(changes.size(), 5u);
  EXPECT_EQ(changes[0], (std::vector<std::string>{"start screen", "55", "1"}));
  EXPECT_EQ(changes[1], (std::vector<std::string>{"end screen", "0 (none)", "40"}));
  EXPECT_EQ(changes[2], (std::vector<std::string>{"screen 3 row 6 column 8", "44", "5A"}));
  EXPECT_EQ(changes[3], (std::vector<std::string>{"screen 3 enemy 2 destination", "55", "255 (unset)"}));
  EXPECT_EQ(changes[4][0], "bytes outside the editor's regions");
  EXPECT_TRUE(ImageDifferences(Base(), Base()).empty());
}

}  // namespace
}  // namespace quelbrook
