// The clipboard's text form of tiles and of whole screens.
#include "tile_block.h"

#include <gtest/gtest.h>

#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

TEST(TileBlockTest, TextRoundTripsAndReadsAsPlainRows) {
  const TileBlock block{3, 2, {0x1F, 0x00, 0xA3, 0x00, 0xFF, 0x07}};
  const QString text = TileBlockText(block);
  EXPECT_EQ(text, "Quelbrook tiles 3x2\n1F 00 A3\n00 FF 07\n");
  const auto back = ParseTileBlock(text);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->width, 3);
  EXPECT_EQ(back->height, 2);
  EXPECT_EQ(back->codes, block.codes);
  // Another program's line ends and a trailing blank line are fine.
  EXPECT_TRUE(ParseTileBlock("Quelbrook tiles 1x2\r\nf\r\n0a\r\n\r\n").has_value());
}

TEST(TileBlockTest, MalformedTextIsNoBlock) {
  for (const char* text :
       {"", "hello", "Quelbrook tiles 2x1\n1F\n", "Quelbrook tiles 1x1\n1F\n00\n",
        "Quelbrook tiles 1x1\nG1\n", "Quelbrook tiles 1x1\n+1\n", "Quelbrook tiles 1x1\n100\n",
        "Quelbrook tiles 0x0\n", "Quelbrook tiles -1x1\n00\n", "Quelbrook tiles 99999x1\n00\n"})
    EXPECT_FALSE(ParseTileBlock(text).has_value()) << text;
}

TEST(TileBlockTest, AScreenRecordTravelsAsItsBytes) {
  const RecordBytes record = DistinctRecord(12);
  const QString text = ScreenRecordText(record);
  EXPECT_TRUE(text.startsWith("Quelbrook screen\n"));
  EXPECT_EQ(ParseScreenRecordText(text), record);
  EXPECT_FALSE(ParseScreenRecordText(text.chopped(3) + "\n").has_value());
  EXPECT_FALSE(ParseScreenRecordText(TileBlockText({1, 1, {0}})).has_value());
}

}  // namespace
}  // namespace quelbrook::testing
