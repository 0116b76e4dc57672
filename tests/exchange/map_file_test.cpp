#include "map_file.h"

#include <gtest/gtest.h>

#include "hex_text.h"
#include "test_texts.h"

namespace quelbrook {
namespace {

// Codes across the whole tile range, so that one- and two-digit codes both appear.
MapFile SampleCodes() {
  MapFile codes;
  for (int i = 0; i < kTileCount; ++i) codes[static_cast<std::size_t>(i)] = IntToHexText((i * 37) % 176);
  return codes;
}

std::vector<std::string> SampleMapLines() {
  std::vector<std::string> lines{"48", "1"};
  for (const auto& code : SampleCodes()) lines.push_back(code);
  return lines;
}

using testing::Join;

// The refusal must name the line, so a user can find it in the file.
void ExpectMapRefusedAtLine(const std::string& content, std::size_t line) {
  auto result = ReadMapFile(content);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("line " + std::to_string(line) + " "), std::string::npos) << result.error;
}

TEST(MapFileWrite, WritesCountsThenOneCodeALineEachEndedByCrLf) {
  MapFile codes;
  codes.fill("0");
  codes[0] = "1F";
  codes[47] = "AF";
  std::string expected = "48\r\n1\r\n1F\r\n";
  for (int i = 1; i < 47; ++i) expected += "0\r\n";
  expected += "AF\r\n";
  EXPECT_EQ(WriteMapFile(codes), expected);
}

TEST(MapFileRead, GivesBackWhatWasWritten) {
  auto result = ReadMapFile(WriteMapFile(SampleCodes()));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values, SampleCodes());
  EXPECT_TRUE(result.error.empty());
}

TEST(MapFileRead, AcceptsLineFeedEndingsAndAMissingLastEnding) {
  auto lf = ReadMapFile(Join(SampleMapLines(), "\n"));
  ASSERT_TRUE(lf.ok) << lf.error;
  EXPECT_EQ(lf.values, SampleCodes());

  std::string unterminated = WriteMapFile(SampleCodes());
  unterminated.resize(unterminated.size() - 2);
  auto last = ReadMapFile(unterminated);
  ASSERT_TRUE(last.ok) << last.error;
  EXPECT_EQ(last.values, SampleCodes());
}

TEST(MapFileRead, NormalisesCodesToTheEditorsForm) {
  auto lines = SampleMapLines();
  lines[2] = "0f";
  lines[3] = "af";
  lines[4] = "00";
  lines[5] = "0A";
  auto result = ReadMapFile(Join(lines));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values[0], "F");
  EXPECT_EQ(result.values[1], "AF");
  EXPECT_EQ(result.values[2], "0");
  EXPECT_EQ(result.values[3], "A");
}

TEST(MapFileRead, IgnoresLinesAfterTheLastCode) {
  auto lines = SampleMapLines();
  lines.push_back("");
  lines.push_back("not a code");
  auto result = ReadMapFile(Join(lines));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.values, SampleCodes());
}

TEST(MapFileRead, RefusesCountsOtherThanFortyEightAndOne) {
  for (const char* columns : {"47", "49", "0", "", "x", "480"}) {
    auto lines = SampleMapLines();
    lines[0] = columns;
    ExpectMapRefusedAtLine(Join(lines), 1);
  }
  for (const char* rows : {"2", "0", "", "11"}) {
    auto lines = SampleMapLines();
    lines[1] = rows;
    ExpectMapRefusedAtLine(Join(lines), 2);
  }
}

TEST(MapFileRead, RefusesAShortFileNamingTheFirstMissingLine) {
  auto lines = SampleMapLines();
  lines.pop_back();
  ExpectMapRefusedAtLine(Join(lines), 50);
  ExpectMapRefusedAtLine("48\r\n1\r\n", 3);
  ExpectMapRefusedAtLine("", 1);
}

TEST(MapFileRead, RefusesCodesThatAreNotOneOrTwoHexDigits) {
  // A code becomes part of a picture path, so nothing like a path may pass.
  for (const char* code : {"../x", "100", "", "G", " 1", "1 ", "-1", "0x1", "1\t", "A/"}) {
    for (std::size_t at : {std::size_t{2}, std::size_t{30}, std::size_t{49}}) {
      auto lines = SampleMapLines();
      lines[at] = code;
      ExpectMapRefusedAtLine(Join(lines), at + 1);
    }
  }
}

TEST(MapFileRead, ReportsTheFirstBadLine) {
  auto lines = SampleMapLines();
  lines[10] = "G";
  lines[20] = "H";
  ExpectMapRefusedAtLine(Join(lines), 11);
}

TEST(MapFileRead, SurvivesBinaryGarbage) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) % 256));
  EXPECT_FALSE(ReadMapFile(garbage).ok);
  EXPECT_FALSE(ReadMapFile(std::string(1 << 20, 'A')).ok);
  EXPECT_FALSE(ReadMapFile(std::string(1 << 16, '\n')).ok);
}

}  // namespace
}  // namespace quelbrook
