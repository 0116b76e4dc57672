#include <QImage>

#include "byte_map.h"
#include "hex_text.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

std::string Hex(int value) { return IntToHexText(value); }

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// What export must write for a screen of DistinctScreens, worked out from its bytes.
std::string MapOf(int screen) {
  const auto record = DistinctRecord(screen);
  std::vector<std::string> lines{"48", "1"};
  for (int i = 0; i < kTileCount; ++i) lines.push_back(Hex(record[kRecordTiles + i]));
  return Lines(lines);
}

std::string TpieOf(int screen) {
  const auto r = DistinctRecord(screen);
  std::string message;
  for (int i = 0; i < kMessageLength; ++i)
    message += r[kRecordMessage + i] ? char(r[kRecordMessage + i]) : ' ';
  std::vector<std::string> lines{message, std::to_string(r[kRecordPalette1]),
                                 std::to_string(r[kRecordPalette2]),
                                 std::to_string(r[kRecordItemDestination])};
  for (int i = 0; i < kEnemyCount; ++i) lines.push_back(std::to_string(r[kRecordEnemyDestinations + i]));
  for (int i = 0; i < kEnemyCount; ++i) lines.push_back(Hex(r[kRecordEnemyKinds + i]));
  lines.push_back(Hex(r[kRecordItem]));
  return Lines(lines);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

class SideFilesTest : public WindowTest {
 protected:
  std::string SideFile(const std::string& name) const { return (dir / name).string(); }
  std::string ReadText(const std::string& path) const {
    const auto bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
  }
  void Answer(const std::string& path) { dialogs.fileAnswers << QString::fromStdString(path); }
  void ExportMap(const std::string& path) {
    Answer(path);
    Click([this] { window->Button27Click(); });
  }
  void ImportMap(const std::string& path) {
    Answer(path);
    Click([this] { window->Button28Click(); });
  }
  void ExportTpie(const std::string& path) {
    Answer(path);
    Click([this] { window->Button33Click(); });
  }
  void ImportTpie(const std::string& path) {
    Answer(path);
    Click([this] { window->Button34Click(); });
  }
  // The file as it was, with bytes [first, end) of the target screen's record taken from source.
  static std::vector<std::uint8_t> WithFields(std::vector<std::uint8_t> file, int target,
                                              const RecordBytes& source, int first, int end) {
    for (int i = first; i < end; ++i) file[ScreenRecordOffset(target) + i] = source[i];
    return file;
  }
  QStringList ViewTexts() const {
    QStringList texts;
    for (int cell = 1; cell <= kTileCount; ++cell) texts << TileCode(cell);
    for (const char* name : {"Edit2", "pal1", "pal2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "ene1",
                             "ene2", "ene3", "ene4", "itemnumber"})
      texts << Edit(name)->text();
    return texts;
  }
};

TEST_F(SideFilesTest, MapExportWritesTheTileTableAndReplacesAnExistingFile) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(5);
  const std::string path = SideFile("five.map");
  WriteText(path, std::string(4000, 'x'));
  ExportMap(path);
  EXPECT_EQ(ReadText(path), MapOf(5));
  ASSERT_EQ(dialogs.fileDialogs.size(), 2u);  // Open ROM, then export
  EXPECT_EQ(dialogs.fileDialogs[1].title, " Please, save map file...");
  EXPECT_EQ(dialogs.fileDialogs[1].filter, "Map files|*.map");
  EXPECT_EQ(dialogs.fileDialogs[1].defaultSuffix, "map");
  // No temporary file is left beside the new one.
  EXPECT_EQ(QDir(Folder()).entryList({"five.map*"}, QDir::Files), QStringList{"five.map"});

  // Export shows what the view holds, saved or not, and a cancelled export writes nothing.
  window->registry().get<TileCodeTable>("StringGrid1")->setText(0, "AF");
  ExportMap(SideFile("edited.map"));
  EXPECT_EQ(ReadText(SideFile("edited.map")),
            Replace(MapOf(5), "48\r\n1\r\n" + Hex(35) + "\r\n", "48\r\n1\r\nAF\r\n"));
  ExportMap("");
  EXPECT_EQ(QDir(Folder()).entryList({"*.map*"}, QDir::Files).size(), 2);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(SideFilesTest, MapFromScreenNImportedOnScreenMChangesOnlyMsTiles) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(5);
  ExportMap(SideFile("five.map"));
  ShowScreen(9);
  const auto before = RomBytes();
  ImportMap(SideFile("five.map"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(RomBytes(), WithFields(before, 9, DistinctRecord(5), 0, kTileCount));
  EXPECT_EQ(Edit("Edit1")->text(), "9");
  EXPECT_EQ(TileCode(48), QString::fromStdString(Hex(DistinctRecord(5)[47])));
  EXPECT_EQ(CentreColour(Image("Image48")->picture()), TileColour(DistinctRecord(5)[47]));
  const auto& request = dialogs.fileDialogs.back();
  EXPECT_EQ(request.title, " Please, open map file...");
  EXPECT_EQ(request.filter, "Map files|*.map");
  EXPECT_EQ(request.defaultSuffix, "");
}

TEST_F(SideFilesTest, MapWithLfLineEndsAndLowerCaseCodesImports) {
  OpenRom(RomBuilder().DistinctScreens());
  std::string text = "48\n1\n";
  for (int i = 0; i < kTileCount; ++i) text += (i == 0 ? std::string("af") : std::to_string(i % 10)) + "\n";
  WriteText(SideFile("lf.map"), text);
  ShowScreen(3);
  ImportMap(SideFile("lf.map"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(TileCode(1), "AF");
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(3)], 0xAF);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(3) + 47], 7);
}

TEST_F(SideFilesTest, TpieExportWritesThirteenFieldLines) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(6);
  const std::string path = SideFile("six.tpie");
  WriteText(path, "old\r\n");
  ExportTpie(path);
  EXPECT_EQ(ReadText(path), TpieOf(6));
  const auto& request = dialogs.fileDialogs.back();
  EXPECT_EQ(request.title, " Please, save Text/Palette/Item/Enemies file...");
  EXPECT_EQ(request.filter, "Text/Palette/Item/Enemies files|*.tpie");
  EXPECT_EQ(request.defaultSuffix, "tpie");
  EXPECT_EQ(QDir(Folder()).entryList({"six.tpie*"}, QDir::Files), QStringList{"six.tpie"});
}

TEST_F(SideFilesTest, TpieFromScreenNImportedOnScreenMChangesAllButMsTiles) {
  // A message byte outside the game's alphabet still goes through export and import.
  auto source = DistinctRecord(6);
  source[kRecordMessage + 6] = 0x01;
  OpenRom(RomBuilder().DistinctScreens().Record(6, source));
  ShowScreen(6);
  ExportTpie(SideFile("six.tpie"));
  ShowScreen(10);
  const auto before = RomBytes();
  ImportTpie(SideFile("six.tpie"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(RomBytes(), WithFields(before, 10, source, kTileCount, kScreenRecordLength));
  EXPECT_EQ(Edit("pal1")->text(), "6");
  EXPECT_EQ(CentreColour(Image("Enemy1")->picture()), EnemyColour(source[kRecordEnemyKinds]));
  const auto& request = dialogs.fileDialogs.back();
  EXPECT_EQ(request.title, " Please, open Text/Palette/Item/Enemies file...");
  EXPECT_EQ(request.filter, "Text/Palette/Item/Enemies files|*.tpie");
  EXPECT_EQ(request.defaultSuffix, "");
}

TEST_F(SideFilesTest, CancelledImportsStillSaveAndReload) {
  OpenRom(RomBuilder().DistinctScreens());
  for (bool map : {true, false}) {
    SCOPED_TRACE(map ? "map" : "tpie");
    ShowScreen(7);
    // Unsaved edits: an invalid tile code is saved as 0 and the reload shows "0".
    window->registry().get<TileCodeTable>("StringGrid1")->setText(2, "zz");
    Edit("pal2")->setText(map ? "77" : "78");
    if (map)
      ImportMap("");
    else
      ImportTpie("");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    EXPECT_EQ(RomBytes()[ScreenRecordOffset(7) + 2], 0);
    EXPECT_EQ(RomBytes()[ScreenRecordOffset(7) + kRecordPalette2], map ? 77 : 78);
    EXPECT_EQ(TileCode(3), "0");
  }
}

TEST_F(SideFilesTest, ImportsWriteEvenWhenSaveScreenIsDisabled) {
  // Item 0x15 disables Save screen; the folder needs its picture for the reload.
  QImage picture(32, 32, QImage::Format_RGB32);
  picture.fill(Qt::gray);
  ASSERT_TRUE(picture.save(Folder() + "/items/15.bmp", "BMP"));
  auto locked = DistinctRecord(8);
  locked[kRecordItem] = 0x15;
  OpenRom(RomBuilder().DistinctScreens().Record(8, locked));
  ShowScreen(4);
  ExportMap(SideFile("four.map"));
  ShowScreen(8);
  ASSERT_FALSE(Button("Button5")->isEnabled());
  ImportMap(SideFile("four.map"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(8) + 10], DistinctRecord(4)[10]);

  WriteText(SideFile("pal.tpie"),
            Lines({"LOCKED", "1", "2", "3", "4", "5", "6", "7", "1", "2", "3", "4", "15"}));
  ImportTpie(SideFile("pal.tpie"));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(8) + kRecordPalette1], 1);
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(8) + kRecordItem], 0x15);
  EXPECT_FALSE(Button("Button5")->isEnabled());
}

struct BadFile {
  const char* what;
  std::string content;
  const char* line;  // the message must name it
};

TEST_F(SideFilesTest, RefusedImportsChangeNeitherTheViewNorTheFile) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(11);
  const std::string goodMap = MapOf(3), goodTpie = TpieOf(3);
  const std::vector<BadFile> maps = {
      {"47 columns", Replace(goodMap, "48\r\n", "47\r\n"), "line 1"},
      {"2 rows", Replace(goodMap, "48\r\n1\r\n", "48\r\n2\r\n"), "line 2"},
      {"49 lines", goodMap.substr(0, goodMap.rfind("\r\n", goodMap.size() - 3) + 2), "line 50"},
      {"a path as a tile", Replace(goodMap, "48\r\n1\r\n" + Hex(21) + "\r\n", "48\r\n1\r\n../x\r\n"),
       "line 3"},
      {"three hex digits", Replace(goodMap, "\r\n" + Hex(22) + "\r\n", "\r\n100\r\n"), "line 4"},
      {"empty tile line", Replace(goodMap, "\r\n" + Hex(22) + "\r\n", "\r\n\r\n"), "line 4"},
      {"empty file", "", "line 1"},
  };
  const std::vector<BadFile> tpies = {
      {"12 lines", goodTpie.substr(0, goodTpie.size() - 3), "line 13"},
      {"17-character message", Replace(goodTpie, "DEFG            ", "DEFG             "), "line 1"},
      {"lower-case message", Replace(goodTpie, "DEFG", "DeFG"), "line 1"},
      {"four-digit palette", Replace(goodTpie, "\r\n3\r\n", "\r\n1000\r\n"), "line 2"},
      {"palette not a number", Replace(goodTpie, "\r\n252\r\n", "\r\nx\r\n"), "line 3"},
      {"enemy kind a path", Replace(goodTpie, "\r\n3\r\n4\r\n5\r\n6\r\n", "\r\n../x\r\n4\r\n5\r\n6\r\n"),
       "line 9"},
      {"three-digit item", goodTpie.substr(0, goodTpie.size() - 3) + "100\r\n", "line 13"},
  };
  // An unsaved edit that a save would write.
  Edit("pal1")->setText("99");
  const auto file = RomBytes();
  const QStringList view = ViewTexts();
  int refusals = 0;
  for (bool map : {true, false}) {
    for (const auto& bad : map ? maps : tpies) {
      SCOPED_TRACE(bad.what);
      const std::string path = SideFile(map ? "bad.map" : "bad.tpie");
      WriteText(path, bad.content);
      if (map)
        ImportMap(path);
      else
        ImportTpie(path);
      ASSERT_EQ(dialogs.messages.size(), ++refusals);
      EXPECT_TRUE(LastMessage().contains(bad.line)) << LastMessage().toStdString();
      EXPECT_EQ(RomBytes(), file);
      EXPECT_EQ(ViewTexts(), view);
    }
  }
}

// A code that is a valid tile code but has no picture (B0 and up in real ROMs) refuses
// the whole file: no cell takes the file's code, nothing is saved, and the picture is named.
TEST_F(SideFilesTest, MapWithACodeWithoutAPictureIsRefusedWhole) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(11);
  const auto record = DistinctRecord(3);
  std::vector<std::string> lines{"48", "1"};
  for (int cell = 1; cell <= kTileCount; ++cell) lines.push_back(cell == 5 ? "B0" : Hex(record[kRecordTiles + cell - 1]));
  const std::string path = SideFile("b0.map");
  WriteText(path, Lines(lines));
  Edit("pal1")->setText("99");  // an unsaved edit that a save would write
  const auto file = RomBytes();
  const QStringList view = ViewTexts();
  ImportMap(path);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(LastMessage(), "Cannot open file graph/B0.bmp.");
  EXPECT_EQ(RomBytes(), file);
  EXPECT_EQ(ViewTexts(), view);
  // A save afterwards writes the screen as shown, not a mixture of two screens.
  Click([this] { window->Button5Click(); });
  EXPECT_EQ(RomBytes()[ScreenRecordOffset(11) + kRecordTiles + 5], DistinctRecord(11)[kRecordTiles + 5]);
}

}  // namespace
}  // namespace quelbrook::testing
