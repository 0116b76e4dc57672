#include "tpie_file.h"

#include <gtest/gtest.h>

#include "test_texts.h"
#include "text_codec.h"
#include "utf8.h"

namespace quelbrook {
namespace {

// Every field different, so a swapped pair of lines shows up.
TpieFile Sample() {
  TpieFile values;
  values.message = u"HELLO, WORLD!";
  values.palette1 = "12";
  values.palette2 = "200";
  values.itemDestination = "191";
  values.enemyDestinations = {"1", "22", "133", "0"};
  values.enemyKinds = {"F", "1A", "0", "7"};
  values.itemCode = "B";
  return values;
}

std::vector<std::string> SampleTpieLines() {
  return {"HELLO, WORLD!", "12", "200", "191", "1", "22", "133", "0", "F", "1A", "0", "7", "B"};
}

using testing::Join;

void ExpectSame(const TpieFile& actual, const TpieFile& expected) {
  EXPECT_EQ(actual.message, expected.message);
  EXPECT_EQ(actual.palette1, expected.palette1);
  EXPECT_EQ(actual.palette2, expected.palette2);
  EXPECT_EQ(actual.itemDestination, expected.itemDestination);
  EXPECT_EQ(actual.enemyDestinations, expected.enemyDestinations);
  EXPECT_EQ(actual.enemyKinds, expected.enemyKinds);
  EXPECT_EQ(actual.itemCode, expected.itemCode);
}

void ExpectTpieRefusedAtLine(const std::string& content, std::size_t line) {
  auto result = ReadTpieFile(content);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("line " + std::to_string(line) + " "), std::string::npos) << result.error;
}

void ExpectLineRefused(std::size_t index, const std::string& text) {
  auto lines = SampleTpieLines();
  lines[index] = text;
  SCOPED_TRACE("line " + std::to_string(index + 1) + " \"" + text + "\"");
  ExpectTpieRefusedAtLine(Join(lines), index + 1);
}

TEST(TpieFileWrite, WritesThirteenLinesInFileOrder) {
  EXPECT_EQ(WriteTpieFile(Sample()), Join(SampleTpieLines()));
  EXPECT_EQ(kTpieLineCount, 13);
}

TEST(TpieFileWrite, AsciiMessageIsWrittenByteForByte) {
  TpieFile values = Sample();
  values.message = u"'QUOTE' \"+\" &!?@";
  std::string content = WriteTpieFile(values);
  EXPECT_EQ(content.substr(0, 18), "'QUOTE' \"+\" &!?@\r\n");
}

TEST(TpieFileRead, GivesBackWhatWasWritten) {
  auto result = ReadTpieFile(WriteTpieFile(Sample()));
  ASSERT_TRUE(result.ok) << result.error;
  ExpectSame(result.values, Sample());
}

TEST(TpieFileRead, KeepsMessagesOfEveryGameByte) {
  // A message loaded from the image can hold any byte; export must be able to bring it back.
  for (int first = 0; first < 256; first += 16) {
    std::vector<std::uint8_t> bytes;
    for (int b = first; b < first + 16; ++b) bytes.push_back(static_cast<std::uint8_t>(b));
    TpieFile values = Sample();
    values.message = DecodeText(bytes);
    auto result = ReadTpieFile(WriteTpieFile(values));
    ASSERT_TRUE(result.ok) << first << ": " << result.error;
    EXPECT_EQ(result.values.message, values.message) << first;
    EXPECT_EQ(EncodeText(result.values.message, 16), bytes) << first;
  }
}

TEST(TpieFileRead, KeepsShortEmptyAndSpacePaddedMessages) {
  for (const char16_t* message : {u"", u" ", u"HI   ", u"   HI", u"1234567890123456"}) {
    TpieFile values = Sample();
    values.message = message;
    auto result = ReadTpieFile(WriteTpieFile(values));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.values.message, values.message);
  }
}

TEST(TpieFileRead, AcceptsLineFeedEndingsAndIgnoresLinesAfterTheLast) {
  auto lf = ReadTpieFile(Join(SampleTpieLines(), "\n"));
  ASSERT_TRUE(lf.ok) << lf.error;
  ExpectSame(lf.values, Sample());

  auto lines = SampleTpieLines();
  lines.push_back("extra");
  auto extra = ReadTpieFile(Join(lines));
  ASSERT_TRUE(extra.ok) << extra.error;
  ExpectSame(extra.values, Sample());
}

TEST(TpieFileRead, NormalisesCodesButNotNumbers) {
  auto lines = SampleTpieLines();
  lines[8] = "0f";
  lines[9] = "1a";
  lines[12] = "0b";
  auto result = ReadTpieFile(Join(lines));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values.enemyKinds[0], "F");
  EXPECT_EQ(result.values.enemyKinds[1], "1A");
  EXPECT_EQ(result.values.itemCode, "B");
}

TEST(TpieFileRead, RefusesAShortFileNamingTheFirstMissingLine) {
  auto lines = SampleTpieLines();
  lines.pop_back();
  ExpectTpieRefusedAtLine(Join(lines), 13);
  ExpectTpieRefusedAtLine("", 1);
  ExpectTpieRefusedAtLine("HELLO\r\n", 2);
}

TEST(TpieFileRead, RefusesMessagesTheGameCannotShow) {
  ExpectLineRefused(0, "12345678901234567");  // 17 characters
  ExpectLineRefused(0, "HELlO");
  ExpectLineRefused(0, "TAB\tHERE");
  ExpectLineRefused(0, "SEMI;COLON");
  ExpectLineRefused(0, "\xC3\xA9");  // e acute as UTF-8
  ExpectLineRefused(0, "\xE9");      // e acute as Latin-1
  ExpectLineRefused(0, std::string(1, '\0'));
  // Sixteen foreign-byte characters are fine; seventeen are one too many.
  std::u16string foreign(16, static_cast<char16_t>(kForeignByteBase + 1));
  auto lines = SampleTpieLines();
  lines[0] = ToUtf8(foreign);
  EXPECT_TRUE(ReadTpieFile(Join(lines)).ok);
  ExpectLineRefused(0, ToUtf8(foreign + foreign.substr(0, 1)));
}

TEST(TpieFileRead, RefusesNumbersThatAreNotOneToThreeDigits) {
  for (std::size_t index = 1; index <= 7; ++index)
    for (const char* text : {"1234", "-1", " 5", "5 ", "", "+5", "1e2", "0x1", "A"})
      ExpectLineRefused(index, text);
}

TEST(TpieFileRead, RefusesCodesThatAreNotOneOrTwoHexDigits) {
  for (std::size_t index = 8; index <= 12; ++index)
    for (const char* text : {"1G", "G", "100", "", " 1", "-1", "../x", "0x"}) ExpectLineRefused(index, text);
}

TEST(TpieFileRead, SurvivesBinaryGarbageAndHugeLines) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
  EXPECT_FALSE(ReadTpieFile(garbage).ok);

  ExpectTpieRefusedAtLine(std::string(1 << 20, 'A'), 2);
  auto lines = SampleTpieLines();
  lines[0] = std::string(1 << 20, 'A');
  ExpectTpieRefusedAtLine(Join(lines), 1);
  lines = SampleTpieLines();
  lines[5] = std::string(1 << 20, '7');
  ExpectTpieRefusedAtLine(Join(lines), 6);
}

}  // namespace
}  // namespace quelbrook
