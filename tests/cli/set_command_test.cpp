// set: every field writes exactly its own bytes, and failures leave the ROM as it was.
#include <filesystem>

#include "cli_fixture.h"

namespace quelbrook::testing {
namespace {

struct FieldCase {
  std::vector<std::string> words;  // after ROM and N
  int offset;                      // in the record
  std::vector<std::uint8_t> bytes;
};

std::vector<FieldCase> Cases() {
  std::vector<FieldCase> cases;
  for (int cell = 1; cell <= kTileCount; ++cell)
    cases.push_back({{"tile" + std::to_string(cell), "af"}, kRecordTiles + cell - 1, {0xAF}});
  cases.push_back({{"tile", "7", "3"}, kRecordTiles + 6, {0x03}});
  cases.push_back({{"item", "B"}, kRecordItem, {0x0B}});
  cases.push_back({{"item-destination", "191"}, kRecordItemDestination, {191}});
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    const std::string name = "enemy" + std::to_string(enemy);
    cases.push_back({{name + "-kind", "F"}, kRecordEnemyKinds + enemy - 1, {0x0F}});
    cases.push_back({{name + "-destination", "0"}, kRecordEnemyDestinations + enemy - 1, {0}});
  }
  cases.push_back({{"palette1", "0"}, kRecordPalette1, {0}});
  cases.push_back({{"palette2", "255"}, kRecordPalette2, {255}});
  std::vector<std::uint8_t> message(kMessageLength, 0x00);
  message[0] = 0x48;  // H
  message[1] = 0x49;  // I
  message[2] = 0x3E;  // !
  message[4] = 0xFF;  // written as an escape, read back as the same byte
  cases.push_back({{"message", "HI! \\uE0FF"}, kRecordMessage, message});
  cases.push_back({{"message", ""}, kRecordMessage, std::vector<std::uint8_t>(kMessageLength, 0x00)});
  return cases;
}

class CliSetTest : public CliTest {};

TEST_F(CliSetTest, EveryFieldChangesOnlyItsOwnBytes) {
  constexpr int kScreen = 77;
  for (const auto& field : Cases()) {
    SCOPED_TRACE(field.words[0] + " " + field.words.back());
    WriteRom(RomBuilder(kFullRomSize, 0x5C).DistinctScreens());
    const auto before = RomBytes();
    std::vector<std::string> args{"set", Rom(), std::to_string(kScreen)};
    args.insert(args.end(), field.words.begin(), field.words.end());
    const auto run = RunCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    auto expected = before;
    const std::size_t at = static_cast<std::size_t>(ScreenRecordOffset(kScreen) + field.offset);
    std::copy(field.bytes.begin(), field.bytes.end(), expected.begin() + static_cast<long>(at));
    EXPECT_EQ(RomBytes(), expected);
    for (auto offset : ChangedOffsets(before, RomBytes()))
      EXPECT_TRUE(offset >= at && offset < at + field.bytes.size()) << offset;
  }
}

// Real ROMs hold codes without pictures and destinations off the grid; what show prints,
// set puts back, with a word on standard error.
TEST_F(CliSetTest, EveryByteAShowCanPrintIsWrittenWithANote) {
  WriteRom(RomBuilder().DistinctScreens());
  const struct {
    std::vector<std::string> words;
    std::string note;
    std::string shown;
  } cases[] = {
      {{"tile5", "F0"}, "No picture, drawn as a placeholder: tile5 F0\n", "\"tiles\": [21, 22, 23, 24, 240,"},
      {{"tile", "6", "b0"}, "No picture, drawn as a placeholder: tile6 B0\n", ", 240, 176,"},
      {{"item", "C"}, "No picture, drawn as a placeholder: item C\n", "\"item\": 12,"},
      {{"enemy2-kind", "10"},
       "No picture, drawn as a placeholder: enemy2-kind 10\n",
       "\"enemy_kinds\": [3, 16,"},
      {{"item-destination", "255"},
       "Off the 16 x 12 grid: item-destination 255, shown at 0\n",
       "\"item_destination\": 255,"},
      {{"enemy1-destination", "192"},
       "Off the 16 x 12 grid: enemy1-destination 192, not shown\n",
       "\"enemy_destinations\": [192,"},
      {{"tile1", "AF"}, "", "\"tiles\": [175,"},
      {{"item", "B"}, "", "\"item\": 11,"},
      {{"enemy2-destination", "191"}, "", "\"enemy_destinations\": [192, 191,"},
  };
  for (const auto& field : cases) {
    std::vector<std::string> args{"set", Rom(), "3"};
    args.insert(args.end(), field.words.begin(), field.words.end());
    const auto run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, field.note);
    const auto shown = RunCli({"show", Rom(), "3"}).out;
    EXPECT_NE(shown.find(field.shown), std::string::npos) << field.shown << " in " << shown;
  }
}

TEST_F(CliSetTest, TheLastScreenAndTheFirstAreReachable) {
  WriteRom(RomBuilder().DistinctScreens());
  ASSERT_EQ(RunCli({"set", Rom(), "128", "palette2", "7"}).exitCode, 0);
  ASSERT_EQ(RunCli({"set", Rom(), "1", "tile1", "0"}).exitCode, 0);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(128) + kRecordPalette2], 7);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(1)], 0);
}

TEST_F(CliSetTest, FailuresGiveTheWindowsTextsAndWriteNothing) {
  ExpectFailure(RunCli({"set", Path("missing.nes"), "1", "item", "1"}),
                Path("missing.nes") + ": File not found");
  ExpectFailure(RunCli({"set", dir.path().string(), "1", "item", "1"}),
                dir.path().string() + ": File access denied");
  // A ROM that ends inside the record is too short to be the game's image: refused as the
  // window refuses it, before the first byte is written.
  WriteRom(RomBuilder(ScreenRecordOffset(9) + kRecordMessage + 3, 0x41));
  const auto before = RomBytes();
  ExpectFailure(RunCli({"set", Rom(), "9", "message", "ABCDEFGH"}), Rom() + ": Read beyond end of file");
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(CliSetTest, AReadOnlyRomIsRefusedAsTheWindowRefusesIt) {
  WriteRom(RomBuilder().DistinctScreens());
  std::filesystem::permissions(Rom(),
                               std::filesystem::perms::owner_read | std::filesystem::perms::others_read);
  const auto run = RunCliUnprivileged(dir.path(), {"set", Rom(), "1", "item", "1"});
  if (!run) GTEST_SKIP() << "no unprivileged user who can reach a copy of the tool";
  ExpectFailure(*run, Rom() + ": File access denied");
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(1) + kRecordItem], DistinctRecord(1)[kRecordItem]);
}

}  // namespace
}  // namespace quelbrook::testing
