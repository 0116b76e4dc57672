// The rule that tells a game drawing the records from one that does not: each changed cell's
// pixels lie in that cell's place, and all places belong to one play field within the frame.

#include "record_drawing_check.h"

#include <gtest/gtest.h>

namespace quelbrook::testing {
namespace {

using learn::CellChange;
using learn::ChangesFitOnePlayField;

constexpr QSize kFrame(256, 240);

TEST(RecordDrawingCheck, ChangesInTheirCellsPlacesOnOneFieldFit) {
  // The demo's field lies at 0,16: cell 0 is 0..31 x 16..47, cell 47 is 224..255 x 176..207.
  EXPECT_TRUE(ChangesFitOnePlayField({{0, QRect(0, 16, 32, 32)}, {47, QRect(224, 176, 32, 32)}}, kFrame));
  // Parts of the cells: the field may lie anywhere that holds both.
  EXPECT_TRUE(ChangesFitOnePlayField({{0, QRect(4, 20, 8, 8)}, {47, QRect(230, 200, 4, 4)}}, kFrame));
}

TEST(RecordDrawingCheck, ChangesBeyondACellOrOnTwoFieldsDoNot) {
  EXPECT_FALSE(ChangesFitOnePlayField({{0, QRect(0, 16, 33, 32)}}, kFrame)) << "wider than a cell";
  EXPECT_FALSE(ChangesFitOnePlayField({{0, QRect(0, 0, 256, 240)}}, kFrame)) << "the whole picture";
  EXPECT_FALSE(ChangesFitOnePlayField({{0, QRect(0, 16, 32, 32)}, {47, QRect(224, 144, 32, 32)}}, kFrame))
      << "cell 47 a row too high for cell 0's field";
  EXPECT_FALSE(ChangesFitOnePlayField({{47, QRect(0, 0, 32, 32)}}, kFrame))
      << "the field would start off the frame";
}

}  // namespace
}  // namespace quelbrook::testing
