#include "ips_patch.h"

#include <gtest/gtest.h>

#include <string>

#include "test_texts.h"

namespace quelbrook {
namespace {

using testing::Text;

void Append(Bytes& bytes, std::initializer_list<std::uint8_t> more) { bytes.insert(bytes.end(), more); }

Bytes SampleBytes(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>((i * 131 + i / 7) & 0xFF);
  return bytes;
}

// Making and applying must give back exactly the modified file.
void ExpectIpsRoundTrip(const Bytes& original, const Bytes& modified) {
  auto patch = MakeIpsPatch(original, modified);
  ASSERT_TRUE(patch.ok) << patch.error;
  auto result = ApplyIpsPatch(original, patch.values);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values.size(), modified.size());
  EXPECT_TRUE(result.values == modified);
}

TEST(IpsMake, TurnsTheOriginalIntoTheModifiedFile) {
  Bytes original = SampleBytes(5000), modified = original;
  modified[0] ^= 1;
  modified[17] ^= 0xFF;
  modified[20] ^= 0xFF;  // close to the change before: one record may hold both
  modified[4999] = 0;
  ExpectIpsRoundTrip(original, modified);
}

TEST(IpsMake, IdenticalFilesGiveAnEmptyPatch) {
  auto patch = MakeIpsPatch(SampleBytes(100), SampleBytes(100));
  ASSERT_TRUE(patch.ok);
  EXPECT_EQ(patch.values, Text("PATCHEOF"));
}

TEST(IpsMake, WritesLongRunsOfOneByteAsRunRecords) {
  Bytes original = SampleBytes(70000), modified = original;
  std::fill(modified.begin() + 100, modified.begin() + 69000, 0x7E);  // longer than one record
  auto patch = MakeIpsPatch(original, modified);
  ASSERT_TRUE(patch.ok);
  EXPECT_LT(patch.values.size(), 64u);
  ExpectIpsRoundTrip(original, modified);
}

TEST(IpsMake, SplitsChangesLongerThanOneRecord) {
  Bytes original(200000, 0), modified = SampleBytes(200000);
  auto patch = MakeIpsPatch(original, modified);
  ASSERT_TRUE(patch.ok);
  EXPECT_GT(patch.values.size(), modified.size());
  ExpectIpsRoundTrip(original, modified);
}

TEST(IpsMake, DescribesGrowthAndCuts) {
  Bytes original = SampleBytes(1000), longer = SampleBytes(1500), shorter = SampleBytes(600);
  ExpectIpsRoundTrip(original, longer);
  ExpectIpsRoundTrip(original, shorter);
  Bytes zeros = original;
  zeros.resize(1300, 0);  // new bytes of 0 are still new bytes
  ExpectIpsRoundTrip(original, zeros);
  ExpectIpsRoundTrip(original, Bytes{});
  ExpectIpsRoundTrip(Bytes{}, shorter);
}

TEST(IpsMake, NoRecordStartsWhereItsOffsetWouldReadAsEof) {
  const Bytes original(kIpsEofOffset + 300, 0x11);
  Bytes single = original, run = original;
  single[kIpsEofOffset] = 0x22;
  std::fill(run.begin() + kIpsEofOffset, run.begin() + kIpsEofOffset + 200, 0x33);
  ExpectIpsRoundTrip(original, single);
  ExpectIpsRoundTrip(original, run);
  // A change that has to be split exactly there: records of 0xFFFF bytes from 0x454F46 - 2 * 0xFFFF.
  Bytes split = original;
  for (std::size_t i = kIpsEofOffset - 2 * 0xFFFF; i < kIpsEofOffset + 100; ++i)
    split[i] = static_cast<std::uint8_t>(i * 7);
  ExpectIpsRoundTrip(original, split);
}

TEST(IpsMake, RefusesFilesBeyondSixteenMebibytes) {
  const Bytes small(16);
  const Bytes large(kIpsSizeLimit + 1, 1);
  auto patch = MakeIpsPatch(small, large);
  EXPECT_FALSE(patch.ok);
  EXPECT_NE(patch.error.find("16 MiB"), std::string::npos) << patch.error;
  // Exactly 16 MiB can still be reached by growth.
  ExpectIpsRoundTrip(small, Bytes(kIpsSizeLimit, 2));
}

TEST(IpsApply, FollowsRecordsRunsAndTheCut) {
  Bytes patch = Text("PATCH");
  Append(patch, {0, 0, 2, 0, 3, 'a', 'b', 'c'});
  Append(patch, {0, 0, 9, 0, 0, 0, 4, 0xAA});
  Append(patch, {'E', 'O', 'F', 0, 0, 12});
  auto result = ApplyIpsPatch(Bytes(16, '.'), patch);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values, (Bytes{'.', '.', 'a', 'b', 'c', '.', '.', '.', '.', 0xAA, 0xAA, 0xAA}));
}

TEST(IpsApply, GrowsTheFileForRecordsPastItsEnd) {
  Bytes patch = Text("PATCH");
  Append(patch, {0, 0, 6, 0, 1, 'x', 'E', 'O', 'F'});
  auto result = ApplyIpsPatch(Bytes{1, 2}, patch);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.values, (Bytes{1, 2, 0, 0, 0, 0, 'x'}));
}

TEST(IpsApply, RefusesWhatIsNotAWholePatch) {
  const Bytes rom(64, 0);
  Bytes good = MakeIpsPatch(rom, SampleBytes(80)).values;
  good.insert(good.end(), {0, 0, 40});  // a cut, so that every prefix below is incomplete
  ASSERT_TRUE(ApplyIpsPatch(rom, good).ok);
  for (std::size_t length = 0; length < good.size(); ++length) {
    if (length == good.size() - 3) continue;  // the patch without its cut is whole
    auto result = ApplyIpsPatch(rom, Bytes(good.begin(), good.begin() + static_cast<long>(length)));
    EXPECT_FALSE(result.ok) << length;
    EXPECT_FALSE(result.error.empty());
  }
  EXPECT_NE(ApplyIpsPatch(rom, Text("PATCHXEOF")).error.find("cut short"), std::string::npos);
  EXPECT_NE(ApplyIpsPatch(rom, Text("PATCH")).error.find("cut short"), std::string::npos);
  EXPECT_NE(ApplyIpsPatch(rom, Text("PATCHEOF12")).error.find("stray"), std::string::npos);
  EXPECT_NE(ApplyIpsPatch(rom, Text("BPS1EOF")).error.find("not an IPS patch"), std::string::npos);
  const Bytes emptyRun{'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 0, 0, 0, 9, 'E', 'O', 'F'};
  EXPECT_FALSE(ApplyIpsPatch(rom, emptyRun).ok);
}

}  // namespace
}  // namespace quelbrook
