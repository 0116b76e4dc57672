// info and show: what they print, and the window's texts when the ROM cannot be read.
#include <filesystem>

#include "cli_fixture.h"
#include "screen_decoding.h"

namespace quelbrook::testing {
namespace {

std::string Numbers(const std::uint8_t* bytes, int count) {
  std::string text = "[";
  for (int i = 0; i < count; ++i) text += (i ? ", " : "") + std::to_string(bytes[i]);
  return text + "]";
}

std::string MessageOf(const RecordBytes& record) {
  std::string text;
  for (int i = 0; i < kMessageLength; ++i) {
    const std::uint8_t byte = record[kRecordMessage + i];
    text += byte == 0 ? ' ' : static_cast<char>(byte);
  }
  return text;
}

class CliReadTest : public CliTest {};

TEST_F(CliReadTest, InfoGivesTheGameSettingsAndALinePerScreen) {
  std::vector<std::uint8_t> ending(kEndingTextLength, 0x00);
  ending[0] = 0x45;  // E
  ending[1] = 0x3E;  // !
  ending[2] = 0xFF;  // outside the alphabet
  WriteRom(RomBuilder()
               .DistinctScreens()
               .StartScreenByte(EncodeStartScreenByte(5))
               .Hook(kJsrOpcode, EndCodeBlockAddress(9))
               .EndingText(ending));
  const auto run = RunCli({"info", Rom()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::string head = "start screen: 5\nend screen: 9\nending text: \"E!\\uE0FF" +
                           std::string(kEndingTextLength - 3, ' ') + "\"\n";
  EXPECT_EQ(run.out.substr(0, head.size()), head);
  EXPECT_NE(run.out.find("\nscreen 1: \"" + MessageOf(DistinctRecord(1)) +
                         "\", item 1 (Item: Life sphere), palettes 1 254\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("\nscreen 23: \"" + MessageOf(DistinctRecord(23)) +
                         "\", item B (Boss trap!), palettes 23 232\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("\nscreen 128: "), std::string::npos);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3 + kScreenCount + 8);
}

// The figures of sha1sum, md5sum and zlib for the same bytes.
TEST_F(CliReadTest, InfoEndsWithTheChecksumsOfTheFileAndOfItsContentWithoutTheHeader) {
  WriteRom(RomBuilder());
  const auto run = RunCli({"info", Rom()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string tail =
      "\nsize: 131088\ncrc32: 93e5e501\nmd5: 2c0c00156bd2b114a364f08082fddadd\n"
      "sha1: 8f87340bee386b4a5338dc0ce0400c0ea62acff1\nsize without header: 131072\n"
      "crc32 without header: 7ee8cdcd\nmd5 without header: 0dfbe8aa4c20b52e1b8bf3cb6cbdf193\n"
      "sha1 without header: 67dfd19f3eb3649d6f3f6631e44d0bd36b8d8d19\n";
  ASSERT_GT(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

TEST_F(CliReadTest, InfoTellsAMissingHookFromAnOperandThatIsNoBlock) {
  WriteRom(RomBuilder().Hook(0xEA, EndCodeBlockAddress(9)));
  EXPECT_NE(RunCli({"info", Rom()}).out.find("\nend screen: 0 (none)\n"), std::string::npos);
  WriteRom(RomBuilder().Hook(kJsrOpcode, EndCodeBlockAddress(9) + 1).StartScreenByte(100));
  const auto run = RunCli({"info", Rom()});
  EXPECT_NE(run.out.find("start screen: none"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nend screen: 9 (the hook calls A268, which is not the address of an end-screen "
                         "block)\n"),
            std::string::npos)
      << run.out;
}

TEST_F(CliReadTest, ShowGivesTheStoredValuesAsJson) {
  RecordBytes record = DistinctRecord(12);
  record[kRecordMessage + 5] = 0xFF;
  record[kRecordEnemyDestinations + 2] = 255;  // stored values, not what the window shows
  WriteRom(RomBuilder().DistinctScreens().Record(12, record).StartScreenByte(EncodeStartScreenByte(12)));
  const auto run = RunCli({"show", Rom(), "12"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::string message = MessageOf(record);
  message.replace(5, 1, "\\uE0FF");
  const std::string expected =
      "{\n  \"screen\": 12,\n  \"start_screen\": true,\n  \"tiles\": " + Numbers(record.data(), kTileCount) +
      ",\n  \"item\": 0,\n  \"item_caption\": \"Item: None\",\n  \"item_destination\": 36,\n  \"message\": "
      "\"" +
      message + "\",\n  \"enemy_kinds\": " + Numbers(record.data() + kRecordEnemyKinds, kEnemyCount) +
      ",\n  \"enemy_destinations\": [60, 100, 255, 180],\n  \"palette1\": 12,\n  \"palette2\": 243\n}\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_NE(RunCli({"show", Rom(), "13"}).out.find("\"start_screen\": false"), std::string::npos);
}

TEST_F(CliReadTest, AnItemWithoutCaptionShowsAsNull) {
  RecordBytes record = DistinctRecord(2);
  record[kRecordItem] = 0x1F;
  WriteRom(RomBuilder().Record(2, record));
  EXPECT_NE(RunCli({"show", Rom(), "2"}).out.find("\"item\": 31,\n  \"item_caption\": null,"),
            std::string::npos);
  EXPECT_NE(RunCli({"info", Rom()}).out.find("item 1F (no caption)"), std::string::npos);
}

TEST_F(CliReadTest, UnreadableRomsAreNamedWithTheWindowsTexts) {
  ExpectFailure(RunCli({"info", Path("missing.nes")}), Path("missing.nes") + ": File not found");
  ExpectFailure(RunCli({"show", dir.path().string(), "1"}), dir.path().string() + ": File access denied");
  WriteRom(RomBuilder(ScreenRecordOffset(3) + 10));
  ExpectFailure(RunCli({"show", Rom(), "3"}), Rom() + ": Read beyond end of file");
}

// A real short file: 24,592 bytes hold screen 3's record but not the byte map's end (the
// start-screen byte at 33,236). Every command refuses it as info, show and the window do,
// before it reads or writes anything.
TEST_F(CliReadTest, EveryCommandRefusesAFileShorterThanTheByteMap) {
  for (const std::size_t size : {std::size_t{24592}, std::size_t{kStartScreenOffset}}) {
    SCOPED_TRACE(size);
    WriteRom(RomBuilder(size).DistinctScreens());
    const auto before = RomBytes();
    ASSERT_EQ(before.size(), size);
    const std::string map = Path("whole.map"), tpie = Path("whole.tpie");
    {
      TempDir whole;
      const std::string wholeRom = (whole / "whole.nes").string();
      RomBuilder().DistinctScreens().Write(wholeRom);
      ASSERT_EQ(RunCli({"export-map", wholeRom, "5", map}).exitCode, 0);
      ASSERT_EQ(RunCli({"export-tpie", wholeRom, "5", tpie}).exitCode, 0);
      ASSERT_EQ(
          RunCli({"export-tmx", wholeRom, Path("whole.tmx"), "--pictures", dir.path().string()}).exitCode, 0);
    }
    const std::vector<std::vector<std::string>> calls = {
        {"info", Rom()},
        {"show", Rom(), "3"},
        {"set", Rom(), "3", "palette1", "7"},
        {"set", Rom(), "3", "tile1", "1F"},
        {"import-map", Rom(), "3", map},
        {"import-tpie", Rom(), "3", tpie},
        {"export-map", Rom(), "3", Path("out.map")},
        {"export-tpie", Rom(), "3", Path("out.tpie")},
        {"render", Rom(), "3", Path("out.png"), "--pictures", dir.path().string()},
        {"render-world", Rom(), Path("out.png"), "--pictures", dir.path().string()},
        {"export-tmx", Rom(), Path("out.tmx"), "--pictures", dir.path().string()},
        {"import-tmx", Rom(), Path("whole.tmx")},
    };
    for (const auto& call : calls) {
      SCOPED_TRACE(call[0]);
      ExpectFailure(RunCli(call), Rom() + ": Read beyond end of file");
      EXPECT_EQ(RomBytes(), before);
      // A ROM that is not there, or a folder typed for it, is named as typed.
      for (const auto& [rom, words] : {std::pair(Path("gone.nes"), "File not found"),
                                       std::pair(dir.path().string() + "/", "File access denied")}) {
        std::vector<std::string> mistaken = call;
        mistaken[1] = rom;
        ExpectFailure(RunCli(mistaken), rom + ": " + words);
      }
    }
    EXPECT_FALSE(std::filesystem::exists(Path("out.map")));
    EXPECT_FALSE(std::filesystem::exists(Path("out.tpie")));
    EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
    EXPECT_FALSE(std::filesystem::exists(Path("out.tmx")));
  }
  // One byte more is the whole byte map.
  WriteRom(RomBuilder(kStartScreenOffset + 1).DistinctScreens());
  EXPECT_EQ(RunCli({"set", Rom(), "3", "palette1", "7"}).exitCode, 0);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(3) + kRecordPalette1], 7);
}

}  // namespace
}  // namespace quelbrook::testing
