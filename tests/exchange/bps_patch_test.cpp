#include "bps_patch.h"

#include <gtest/gtest.h>

#include <string>

#include "test_texts.h"

namespace quelbrook {
namespace {

using testing::Text;

Bytes SeededBytes(std::size_t size, int seed = 1) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<std::uint8_t>((i * 131 + i / 7 + seed) & 0xFF);
  return bytes;
}

// Written from the format's description, apart from the code under test.
class HandPatch {
 public:
  HandPatch(std::uint64_t sourceSize, std::uint64_t targetSize) : bytes_(Text("BPS1")) {
    Number(sourceSize);
    Number(targetSize);
    Number(0);
  }
  HandPatch& Number(std::uint64_t value) {
    for (;;) {
      std::uint8_t low = value & 0x7F;
      value >>= 7;
      if (value == 0) {
        bytes_.push_back(0x80 | low);
        return *this;
      }
      bytes_.push_back(low);
      --value;
    }
  }
  HandPatch& Action(int kind, std::uint64_t length) { return Number(((length - 1) << 2) | kind); }
  HandPatch& Raw(const Bytes& data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  Bytes Finish(std::uint32_t sourceCrc, std::uint32_t targetCrc) {
    Crc(sourceCrc);
    Crc(targetCrc);
    Crc(Crc32(bytes_));
    return bytes_;
  }

 private:
  void Crc(std::uint32_t crc) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(crc >> shift));
  }
  Bytes bytes_;
};

void ExpectBpsRoundTrip(const Bytes& source, const Bytes& target) {
  auto patch = MakeBpsPatch(source, target);
  ASSERT_TRUE(patch.ok) << patch.error;
  auto result = ApplyBpsPatch(source, patch.values);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_TRUE(result.values == target);
}

TEST(BpsCrc, IsTheUsualCrc32) {
  EXPECT_EQ(Crc32(Text("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes{}), 0u);
}

TEST(BpsMake, TurnsTheSourceIntoTheTarget) {
  Bytes source = SeededBytes(5000), target = source;
  target[0] ^= 1;
  target[1234] ^= 0x80;
  std::fill(target.begin() + 3000, target.begin() + 3003, 0);
  ExpectBpsRoundTrip(source, target);
  ExpectBpsRoundTrip(source, source);
  ExpectBpsRoundTrip(source, Bytes{});
  ExpectBpsRoundTrip(Bytes{}, source);
}

TEST(BpsMake, DescribesGrowthCutsAndRunsCompactly) {
  Bytes source = SeededBytes(100000);
  Bytes grown = source;
  grown.resize(180000, 0x5A);  // a long run past the end
  auto patch = MakeBpsPatch(source, grown);
  ASSERT_TRUE(patch.ok);
  EXPECT_LT(patch.values.size(), 64u);
  ExpectBpsRoundTrip(source, grown);
  ExpectBpsRoundTrip(source, Bytes(source.begin(), source.begin() + 777));
  ExpectBpsRoundTrip(source, SeededBytes(100000, 9));
}

TEST(BpsMake, KeepsMetadataOutOfTheResult) {
  auto patch = MakeBpsPatch(SeededBytes(10), SeededBytes(12, 3), "<made by a test/>");
  ASSERT_TRUE(patch.ok);
  auto result = ApplyBpsPatch(SeededBytes(10), patch.values);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values, SeededBytes(12, 3));
}

TEST(BpsApply, FollowsAllFourActions) {
  const Bytes source = Text("ABCDEFGH");
  const Bytes target = Text("ABxyFGHCDDDDDD");
  Bytes patch = HandPatch(source.size(), target.size())
                    .Action(0, 2)  // SourceRead "AB"
                    .Action(1, 2)
                    .Raw(Text("xy"))  // TargetRead
                    .Action(2, 3)
                    .Number(5 << 1)  // SourceCopy "FGH" from 5
                    .Action(2, 2)
                    .Number((6 << 1) | 1)  // back 6 to 2: "CD"
                    .Action(3, 5)
                    .Number(8 << 1)  // TargetCopy of the "D" at 8 onto itself
                    .Finish(Crc32(source), Crc32(target));
  auto result = ApplyBpsPatch(source, patch);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values, target);
}

TEST(BpsApply, RefusesAPatchForAnotherRom) {
  const Bytes source = SeededBytes(300), target = SeededBytes(300, 4);
  const Bytes patch = MakeBpsPatch(source, target).values;
  Bytes other = source;
  other[150] ^= 1;
  auto result = ApplyBpsPatch(other, patch);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("for another ROM"), std::string::npos) << result.error;
  other = source;
  other.push_back(0);
  EXPECT_NE(ApplyBpsPatch(other, patch).error.find("for another ROM"), std::string::npos);
}

TEST(BpsApply, RefusesDamagedAndCutPatches) {
  const Bytes source = SeededBytes(300), target = SeededBytes(320, 4);
  const Bytes patch = MakeBpsPatch(source, target).values;
  for (std::size_t at = 0; at < patch.size(); at += 7) {
    Bytes damaged = patch;
    damaged[at] ^= 0x10;
    EXPECT_FALSE(ApplyBpsPatch(source, damaged).ok) << at;
  }
  for (std::size_t length = 0; length < patch.size(); ++length)
    EXPECT_FALSE(ApplyBpsPatch(source, Bytes(patch.begin(), patch.begin() + static_cast<long>(length))).ok)
        << length;
  EXPECT_NE(ApplyBpsPatch(source, Text("PATCH0123456789abcdef")).error.find("not a BPS patch"),
            std::string::npos);
}

TEST(BpsApply, RefusesAResultWithTheWrongChecksum) {
  const Bytes source = Text("ABCD");
  Bytes patch = HandPatch(4, 4).Action(0, 4).Finish(Crc32(source), Crc32(Text("ABCE")));
  auto result = ApplyBpsPatch(source, patch);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("CRC-32"), std::string::npos) << result.error;
}

TEST(BpsApply, RefusesActionsThatReachOutside) {
  const Bytes source = Text("ABCD");
  const auto refused = [&](HandPatch patch) {
    return !ApplyBpsPatch(source, patch.Finish(Crc32(source), 0)).ok;
  };
  EXPECT_TRUE(refused(HandPatch(4, 6).Action(0, 6)));                       // SourceRead past the source
  EXPECT_TRUE(refused(HandPatch(4, 4).Action(2, 2).Number((1 << 1) | 1)));  // SourceCopy before 0
  EXPECT_TRUE(refused(HandPatch(4, 4).Action(2, 2).Number(3 << 1)));        // SourceCopy past the end
  EXPECT_TRUE(refused(HandPatch(4, 4).Action(3, 4).Number(0)));             // TargetCopy of nothing yet
  EXPECT_TRUE(refused(HandPatch(4, 4).Action(0, 2)));                       // result too short
  EXPECT_TRUE(refused(HandPatch(4, 2).Action(0, 4)));                       // result too long
  EXPECT_TRUE(refused(HandPatch(4, 4).Action(1, 4).Raw(Text("AB"))));       // TargetRead cut short
}

}  // namespace
}  // namespace quelbrook
