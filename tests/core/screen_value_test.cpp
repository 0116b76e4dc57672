#include "screen_value.h"

#include <gtest/gtest.h>

#include "editor_error.h"
#include "rom_builder.h"

namespace quelbrook {
namespace {

ScreenData Decoded(const RecordBytes& bytes) { return DecodeScreenRecord(bytes); }

std::string FailureOf(const ScreenValue& value) {
  try {
    RecordOf(value);
  } catch (const EditorError& error) {
    return error.what();
  }
  return "";
}

TEST(ScreenValueLoad, ShowsCodesInHexadecimalNumbersInDecimalAndUnsetDestinationsAsZero) {
  RecordBytes bytes = testing::DistinctRecord(9);
  bytes[kRecordTiles] = 0xAF;
  bytes[kRecordTiles + 1] = 0x05;
  bytes[kRecordItem] = 0x0B;
  bytes[kRecordItemDestination] = 255;
  bytes[kRecordEnemyKinds + 3] = 0x0F;
  bytes[kRecordEnemyDestinations] = 255;
  bytes[kRecordEnemyDestinations + 1] = 254;  // only 255 stands for "unset"
  bytes[kRecordPalette1] = 7;
  bytes[kRecordPalette2] = 255;
  const ScreenValue value = ScreenValueOf(Decoded(bytes));
  EXPECT_EQ(value.tileCodes[0], "AF");
  EXPECT_EQ(value.tileCodes[1], "5");
  EXPECT_EQ(value.itemCode, "B");
  EXPECT_EQ(value.itemDestination, "0");
  EXPECT_EQ(value.enemyKinds[3], "F");
  EXPECT_EQ(value.enemyDestinations[0], "0");
  EXPECT_EQ(value.enemyDestinations[1], "254");
  EXPECT_EQ(value.palette1, "7");
  EXPECT_EQ(value.palette2, "255");
  EXPECT_EQ(value.message.size(), 16u);
}

TEST(ScreenValueSave, GivesBackTheRecordItWasLoadedFrom) {
  for (int screen : {1, 55, 128}) {
    const RecordBytes bytes = testing::DistinctRecord(screen);
    EXPECT_EQ(RecordOf(ScreenValueOf(Decoded(bytes))), bytes) << screen;
  }
}

TEST(ScreenValueSave, KeepsLowBytesTurnsBadCodesToZeroAndPadsTheMessage) {
  ScreenValue value;
  value.itemDestination = "300";
  value.palette1 = "256";
  value.palette2 = "-1";
  value.tileCodes[4] = "ZZ";
  value.tileCodes[5] = "";
  value.tileCodes[6] = "af";
  value.itemCode = "G1";
  value.message = u"HI";
  const RecordBytes record = RecordOf(value);
  EXPECT_EQ(record[kRecordItemDestination], 44);
  EXPECT_EQ(record[kRecordPalette1], 0);
  EXPECT_EQ(record[kRecordPalette2], 255);
  EXPECT_EQ(record[kRecordTiles + 4], 0);
  EXPECT_EQ(record[kRecordTiles + 5], 0);
  EXPECT_EQ(record[kRecordTiles + 6], 0xAF);
  EXPECT_EQ(record[kRecordItem], 0);
  EXPECT_EQ(record[kRecordMessage], 'H');
  EXPECT_EQ(record[kRecordMessage + 2], 0);  // a space
  EXPECT_EQ(RecordMessage(u"HI"), u"HI              ");
  EXPECT_EQ(RecordMessage(u"ABCDEFGHIJKLMNOPQR"), u"ABCDEFGHIJKLMNOP");
}

TEST(ScreenValueSave, ReportsTheFirstFieldInRecordOrderThatDoesNotConvert) {
  ScreenValue value;
  value.itemDestination = "x";
  value.message = u"lower";
  value.enemyDestinations[2] = "";
  value.palette2 = "1y";
  EXPECT_EQ(FailureOf(value), "'x' is not a valid integer value");
  value.itemDestination = "3";
  EXPECT_NE(FailureOf(value).find("screen message"), std::string::npos);
  value.message = u"UPPER";
  EXPECT_EQ(FailureOf(value), "'' is not a valid integer value");
  value.enemyDestinations[2] = "7";
  EXPECT_EQ(FailureOf(value), "'1y' is not a valid integer value");
  // Characters past the 16th are not saved, so they are not checked either.
  value.palette2 = "0";
  value.message = u"ABCDEFGHIJKLMNOPlower";
  EXPECT_EQ(FailureOf(value), "");
}

TEST(ScreenValueSave, ReachesTheMessageOnlyAfterTheItemDestinationConverts) {
  ScreenValue value;
  int reached = 0;
  value.itemDestination = "x";
  EXPECT_THROW(RecordOf(value, [&] { ++reached; }), EditorError);
  EXPECT_EQ(reached, 0);
  value.itemDestination = "1";
  value.palette1 = "x";
  EXPECT_THROW(RecordOf(value, [&] { ++reached; }), EditorError);
  EXPECT_EQ(reached, 1);
}

}  // namespace
}  // namespace quelbrook
