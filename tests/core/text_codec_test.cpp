#include "text_codec.h"

#include <gtest/gtest.h>

#include <set>

namespace quelbrook {
namespace {

TEST(TextCodec, TableCharactersDecodeAsTheGameShowsThem) {
  EXPECT_EQ(DecodeTextByte(0x00), u' ');
  EXPECT_EQ(DecodeTextByte(0x30), u'0');
  EXPECT_EQ(DecodeTextByte(0x3B), u'&');
  EXPECT_EQ(DecodeTextByte(0x3E), u'!');
  EXPECT_EQ(DecodeTextByte(0x41), u'A');
  EXPECT_EQ(DecodeTextByte(0x5A), u'Z');
  EXPECT_EQ(DecodeTextByte(0x5B), u'"');
  EXPECT_EQ(DecodeTextByte(0x5C), u'\'');
  EXPECT_EQ(DecodeTextByte(0x5E), u'-');
  EXPECT_EQ(EncodeTextChar(u' '), 0x00);
  EXPECT_EQ(EncodeTextChar(u'&'), 0x3B);
  EXPECT_EQ(EncodeTextChar(u'-'), 0x5E);
}

TEST(TextCodec, EveryByteRoundTripsAndDecodesToItsOwnCharacter) {
  std::set<char16_t> seen;
  for (int b = 0; b < 256; ++b) {
    char16_t ch = DecodeTextByte(static_cast<std::uint8_t>(b));
    EXPECT_TRUE(seen.insert(ch).second) << "byte " << b << " shares its character";
    ASSERT_EQ(EncodeTextChar(ch), b);
  }
}

TEST(TextCodec, ForeignBytesNeverLookLikeTableCharacters) {
  std::set<char16_t> table;
  for (const auto& entry : TextCharTable) table.insert(entry.character);
  EXPECT_EQ(table.size(), 48u);
  for (int b : {0x01, 0x20, 0x2F, 0x5F, 0x61, 0xFF})
    EXPECT_EQ(table.count(DecodeTextByte(static_cast<std::uint8_t>(b))), 0u) << b;
}

TEST(TextCodec, CharactersOutsideTheTableHaveNoByte) {
  for (char16_t ch : {u'a', u'z', u';', u'\r', u'\n', u'#', u'\u00e9'}) EXPECT_FALSE(EncodeTextChar(ch));
  EXPECT_EQ(FindUnencodable(u"HELLO"), std::nullopt);
  EXPECT_EQ(FindUnencodable(u"HELlO"), 3u);
}

TEST(TextCodec, DecodesRunsToTheirFullLength) {
  std::vector<std::uint8_t> hello{0x48, 0x45, 0x4C, 0x4C, 0x4F};
  hello.resize(16, 0x00);
  EXPECT_EQ(DecodeText(hello), u"HELLO           ");
  EXPECT_EQ(DecodeText(std::vector<std::uint8_t>(16, 0x00)), std::u16string(16, u' '));
  std::vector<std::uint8_t> foreign{0x48, 0x01, 0x49};
  EXPECT_EQ(DecodeText(foreign).size(), 3u);
}

TEST(TextCodec, EncodesPaddedWithSpacesAndRefusesForeignCharacters) {
  auto bytes = EncodeText(u"HI", 16);
  ASSERT_TRUE(bytes);
  std::vector<std::uint8_t> expected{0x48, 0x49};
  expected.resize(16, 0x00);
  EXPECT_EQ(*bytes, expected);
  EXPECT_FALSE(EncodeText(u"Hi", 16));
  EXPECT_TRUE(EncodeText(u"ABCDEFGHIJKLMNOPlower case past the end", 16));
}

TEST(TextCodec, HintListsTheAlphabetInByteOrder) {
  EXPECT_EQ(TextAlphabetHint(), u"0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+-");
}

}  // namespace
}  // namespace quelbrook
