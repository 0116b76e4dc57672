#include "hex_text.h"

#include <gtest/gtest.h>

namespace quelbrook {
namespace {

TEST(HexText, WritesUpperCaseWithoutLeadingZeros) {
  EXPECT_EQ(IntToHexText(0), "0");
  EXPECT_EQ(IntToHexText(10), "A");
  EXPECT_EQ(IntToHexText(15), "F");
  EXPECT_EQ(IntToHexText(175), "AF");
  EXPECT_EQ(IntToHexText(256), "100");
  EXPECT_EQ(IntToHexText(40967), "A007");
  EXPECT_EQ(IntToHexText(0xFFFFFFF), "FFFFFFF");
}

TEST(HexText, ReadsEitherCaseAndGivesZeroForAnythingElse) {
  EXPECT_EQ(HexTextToInt("AF"), 175);
  EXPECT_EQ(HexTextToInt("af"), 175);
  EXPECT_EQ(HexTextToInt("A007"), 40967);
  for (const char* invalid : {"", "0", "00", "G", "1G", "A F", " A", "-1", "0x1F", "1F\r"})
    EXPECT_EQ(HexTextToInt(invalid), 0) << '"' << invalid << '"';
}

TEST(HexText, DigitValueDoesNotUpperCase) {
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue('0'), 0);
  EXPECT_EQ(HexDigitValue('9'), 9);
  EXPECT_EQ(HexDigitValue('f'), 0);
  EXPECT_EQ(HexDigitValue('G'), 0);
}

TEST(HexText, RoundTripsEverySixteenBitValue) {
  for (int v = 0; v <= 65535; ++v) ASSERT_EQ(HexTextToInt(IntToHexText(v)), v) << v;
}

TEST(HexText, ByteCodesAreOneOrTwoDigits) {
  for (const char* good : {"0", "F", "af", "1F", "FF"}) EXPECT_TRUE(IsByteHexText(good)) << good;
  for (const char* bad : {"", "100", "../x", "G", " 1", "1 "}) EXPECT_FALSE(IsByteHexText(bad)) << bad;
}

}  // namespace
}  // namespace quelbrook
