// .map and .tpie files: the same files as the window's, and imports that write only their bytes.
#include "cli_fixture.h"
#include "hex_text.h"
#include "map_file.h"
#include "tpie_file.h"
#include "utf8.h"

namespace quelbrook::testing {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// The window's view of a record right after a reload, written by the window's exporter.
std::string WindowTpieOf(const RecordBytes& r, const std::string& message) {
  auto shown = [](std::uint8_t destination) { return std::to_string(destination == 255 ? 0 : destination); };
  TpieFile values;
  values.message = FromUtf8(message);
  values.palette1 = std::to_string(r[kRecordPalette1]);
  values.palette2 = std::to_string(r[kRecordPalette2]);
  values.itemDestination = shown(r[kRecordItemDestination]);
  for (int i = 0; i < kEnemyCount; ++i) {
    values.enemyDestinations[i] = shown(r[kRecordEnemyDestinations + i]);
    values.enemyKinds[i] = IntToHexText(r[kRecordEnemyKinds + i]);
  }
  values.itemCode = IntToHexText(r[kRecordItem]);
  return WriteTpieFile(values);
}

std::vector<std::size_t> RecordRange(int screen, int from, int length) {
  std::vector<std::size_t> offsets;
  for (int i = 0; i < length; ++i)
    offsets.push_back(static_cast<std::size_t>(ScreenRecordOffset(screen) + from + i));
  return offsets;
}

class CliSideFileTest : public CliTest {
 protected:
  void SetUp() override { WriteRom(RomBuilder().DistinctScreens()); }
  CliRun Call(const std::string& command, int screen, const std::string& file) {
    return RunCli({command, Rom(), std::to_string(screen), Path(file)});
  }
};

TEST_F(CliSideFileTest, ExportMapWritesTheWindowsFile) {
  ASSERT_EQ(Call("export-map", 20, "a.map").exitCode, 0);
  std::vector<std::string> lines{"48", "1"};
  for (int i = 0; i < kTileCount; ++i) lines.push_back(IntToHexText((20 * 7 + i) % 176));
  EXPECT_EQ(TextOf("a.map"), Lines(lines));
}

TEST_F(CliSideFileTest, ExportTpieWritesWhatTheWindowShowsAfterAReload) {
  RecordBytes record = DistinctRecord(30);
  record[kRecordItemDestination] = 255;
  record[kRecordEnemyDestinations + 3] = 255;
  record[kRecordMessage + 15] = 0xFF;
  WriteRom(RomBuilder().DistinctScreens().Record(30, record));
  ASSERT_EQ(Call("export-tpie", 30, "a.tpie").exitCode, 0);
  const std::string message = "EFGH           \xEE\x83\xBF";  // the foreign byte's character in UTF-8
  EXPECT_EQ(TextOf("a.tpie"), WindowTpieOf(record, message));
  EXPECT_NE(TextOf("a.tpie").find("\r\n0\r\n"), std::string::npos);
}

TEST_F(CliSideFileTest, ImportMapOfTheWindowsFileWritesOnlyTheTiles) {
  MapFile codes;
  for (int i = 0; i < kTileCount; ++i) codes[i] = IntToHexText(175 - i);
  WriteText(Path("w.map"), WriteMapFile(codes));
  const auto before = RomBytes();
  ASSERT_EQ(Call("import-map", 64, "w.map").exitCode, 0);
  EXPECT_EQ(ChangedOffsets(before, RomBytes()), RecordRange(64, kRecordTiles, kTileCount));
  for (int i = 0; i < kTileCount; ++i) EXPECT_EQ(RomBytes()[ScreenRecordOffset(64) + i], 175 - i);
}

TEST_F(CliSideFileTest, ImportTpieOfTheWindowsFileWritesTheOtherBytes) {
  TpieFile values;
  values.message = u"NEW \uE0FF";
  values.palette1 = "300";  // the window keeps the low 8 bits: 44
  values.palette2 = "7";
  values.itemDestination = "191";
  values.enemyDestinations = {"0", "1", "2", "3"};
  values.enemyKinds = {"A", "B", "C", "D"};
  values.itemCode = "B";
  WriteText(Path("w.tpie"), WriteTpieFile(values));
  auto expected = RomBytes();
  const std::vector<std::uint8_t> bytes{0x0B, 191, 0x4E, 0x45, 0x57, 0x00, 0xFF, 0,    0, 0, 0, 0, 0,  0,
                                        0,    0,   0,    0,    0x0A, 0x0B, 0x0C, 0x0D, 0, 1, 2, 3, 44, 7};
  std::copy(bytes.begin(), bytes.end(), expected.begin() + ScreenRecordOffset(5) + kRecordItem);
  ASSERT_EQ(Call("import-tpie", 5, "w.tpie").exitCode, 0);
  EXPECT_EQ(RomBytes(), expected);
}

TEST_F(CliSideFileTest, ExportThenImportCopiesOneScreenOntoAnother) {
  RecordBytes source = DistinctRecord(8);
  source[kRecordEnemyDestinations] = 255;
  WriteRom(RomBuilder().DistinctScreens().Record(8, source));
  ASSERT_EQ(Call("export-map", 8, "s.map").exitCode, 0);
  ASSERT_EQ(Call("export-tpie", 8, "s.tpie").exitCode, 0);
  const auto before = RomBytes();
  ASSERT_EQ(Call("import-map", 100, "s.map").exitCode, 0);
  ASSERT_EQ(Call("import-tpie", 100, "s.tpie").exitCode, 0);
  RecordBytes copied = source;
  copied[kRecordEnemyDestinations] = 0;  // what the window showed, and so what its file holds
  auto expected = before;
  std::copy(copied.begin(), copied.end(), expected.begin() + ScreenRecordOffset(100));
  EXPECT_EQ(RomBytes(), expected);
}

TEST_F(CliSideFileTest, RefusedFilesGiveTheWindowsTextsAndWriteNothing) {
  const auto before = RomBytes();
  WriteText(Path("bad.map"), "47\r\n1\r\n");
  ExpectFailure(Call("import-map", 1, "bad.map"), ReadMapFile("47\r\n1\r\n").error);
  const std::string lowerCase = Lines({"hello", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C"});
  WriteText(Path("bad.tpie"), lowerCase);
  ExpectFailure(Call("import-tpie", 1, "bad.tpie"), ReadTpieFile(lowerCase).error);
  WriteText(Path("short.tpie"), Lines({"HI", "1"}));
  ExpectFailure(Call("import-tpie", 1, "short.tpie"), ReadTpieFile(Lines({"HI", "1"})).error);
  ExpectFailure(Call("import-map", 1, "missing.map"), Path("missing.map") + ": File not found");
  WriteText(Path("huge.map"), std::string(64 * 1024 + 1, '0'));
  ExpectFailure(Call("import-map", 1, "huge.map"), "The file is too large to be a side file of one screen");
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(CliSideFileTest, ExportFailuresGiveTheWindowsTexts) {
  std::filesystem::create_directory(Path("folder.map"));
  ExpectFailure(Call("export-map", 1, "folder.map"), Path("folder.map") + ": File access denied");
  ExpectFailure(RunCli({"export-tpie", Path("missing.nes"), "1", Path("x.tpie")}),
                Path("missing.nes") + ": File not found");
  EXPECT_FALSE(std::filesystem::exists(Path("x.tpie")));
  ExpectFailure(Call("export-map", 1, "no/such/folder.map"), Path("no/such/folder.map") + ": File not found");
}

}  // namespace
}  // namespace quelbrook::testing
