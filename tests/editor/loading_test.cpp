// Open ROM and Reload screen on the real window: what a reload puts into each control,
// and what every file failure leaves behind.
#include <QApplication>
#include <filesystem>

#include "byte_map.h"
#include "hex_text.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

QString Hex(int value) { return QString::fromStdString(IntToHexText(value)); }

std::uint8_t StartByte(int screen) {
  return static_cast<std::uint8_t>(screen >= 39 ? screen - 39 : screen + 217);
}

// Open descriptors of this process; a file left open would show here. The windows' file
// watcher keeps an inotify descriptor, which is no file.
int OpenDescriptors() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    count += std::filesystem::read_symlink(entry.path(), error).string().rfind("anon_inode:", 0) != 0;
  }
  return count;
}

class LoadingTest : public WindowTest {
 protected:
  void ExpectShows(int screen) {
    const auto record = DistinctRecord(screen);
    EXPECT_EQ(Edit("Edit1")->text(), QString::number(screen));
    EXPECT_EQ(window->state().ScreenRecordOffset, 16324 + 76 * screen);
    EXPECT_EQ(TileCode(1), Hex(record[0]));
    EXPECT_EQ(CentreColour(Image("Image48")->picture()), TileColour(record[47]));
  }
  QStringList EnabledCommands() const {
    QStringList enabled;
    for (const char* name : {"Button2", "Button1", "Button10", "Button5", "Button27", "Button28", "Button33",
                             "Button34", "BitBtn1", "Button3", "Button4"})
      if (Button(name)->isEnabled()) enabled << name;
    return enabled;
  }
};

TEST_F(LoadingTest, BeforeOpenRomOnlyOpenClearAndAboutWork) {
  EXPECT_EQ(EnabledCommands(), (QStringList{"Button2", "Button10", "BitBtn1"}));
}

TEST_F(LoadingTest, OpenRomShowsEachRomsStartScreen) {
  Edit("Edit1")->setText("7");
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(218));
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  ExpectShows(1);
  EXPECT_EQ(Edit("Startscreen")->text(), "1");
  EXPECT_EQ(window->state().FirstLoadDone, 1);
  EXPECT_EQ(dialogs.fileDialogs.back().title, " Open file Quelbrook.nes");

  QDir::setCurrent(QDir::rootPath());  // a dialog may have moved away; pictures still resolve
  ShowScreen(9);                       // later reloads follow Edit1
  ExpectShows(9);

  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(255));
  ExpectShows(38);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(LoadingTest, StartScreenByteWithoutScreenKeepsThePreviousStartScreen) {
  for (int byte : {90, 217}) {
    OpenRom(RomBuilder().DistinctScreens().StartScreenByte(static_cast<std::uint8_t>(byte)));
    EXPECT_EQ(Edit("Startscreen")->text(), "55") << byte;
    ExpectShows(55);
  }
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(StartByte(10)));
  ShowScreen(3);
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(150));
  EXPECT_EQ(Edit("Startscreen")->text(), "10");
  ExpectShows(10);
}

TEST_F(LoadingTest, CancelledOpenChangesNothing) {
  dialogs.fileAnswers << "";
  Click([this] { window->Button2Click(); });
  EXPECT_EQ(EnabledCommands(), (QStringList{"Button2", "Button10", "BitBtn1"}));
  EXPECT_EQ(window->state().FirstLoadDone, 0);
  EXPECT_EQ(Edit("Edit1")->text(), "55");

  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(16).Hook(0x20, 0xA007));
  ShowScreen(4);
  const QStringList before = EnabledCommands();
  dialogs.fileAnswers << "";
  Click([this] { window->Button2Click(); });
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(EnabledCommands(), before);
  EXPECT_EQ(window->state().FirstLoadDone, 1);
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 8139 + 76);
  ExpectShows(4);
}

TEST_F(LoadingTest, ScreenNumberIsClampedIntoTheWorld) {
  OpenRom(RomBuilder().DistinctScreens());
  for (const char* typed : {"129", "999"}) {
    Edit("Edit1")->setText(typed);
    Click([this] { window->Button1Click(); });
    ExpectShows(128);
  }
  Edit("Edit1")->setText("0");
  Click([this] { window->Button1Click(); });
  ExpectShows(1);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  const int descriptors = OpenDescriptors();
  Edit("Edit1")->setText("");
  Click([this] { window->Button1Click(); });
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
  EXPECT_EQ(dialogs.captions.back(), QApplication::applicationName());
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(TileCode(1), Hex(DistinctRecord(1)[0]));  // the view stays on screen 1
}

TEST_F(LoadingTest, ReloadFillsEveryControlFromTheRecord) {
  RecordBytes record = DistinctRecord(20);
  record[0] = 0;
  record[1] = 175;
  record[2] = 0x10;
  record[kRecordItem] = 4;
  record[kRecordItemDestination] = 17;
  const std::vector<std::uint8_t> message{0x48, 0x49, 0x7F, 0x3E};
  std::copy(message.begin(), message.end(), record.begin() + kRecordMessage);
  std::fill(record.begin() + kRecordMessage + 4, record.begin() + kRecordEnemyKinds, 0);
  const int kinds[] = {1, 2, 3, 15}, destinations[] = {15, 16, 191, 0};
  for (int i = 0; i < 4; ++i) {
    record[kRecordEnemyKinds + i] = static_cast<std::uint8_t>(kinds[i]);
    record[kRecordEnemyDestinations + i] = static_cast<std::uint8_t>(destinations[i]);
  }
  record[kRecordPalette1] = 40;
  record[kRecordPalette2] = 158;
  std::vector<std::uint8_t> ending(116, 0x00);
  ending[0] = 0x41;
  ending[115] = 0x80;
  OpenRom(RomBuilder().DistinctScreens().Record(20, record).EndingText(ending).Hook(0x20, 0xA007));
  ShowScreen(20);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();

  for (int cell = 1; cell <= 48; ++cell) {
    EXPECT_EQ(TileCode(cell), Hex(record[cell - 1])) << cell;
    EXPECT_EQ(CentreColour(Image("Image" + QString::number(cell))->picture()), TileColour(record[cell - 1]))
        << cell;
  }
  EXPECT_EQ(TileCode(2), "AF");
  EXPECT_EQ(TileCode(3), "10");
  EXPECT_EQ(window->state().ScreenRecordOffset, 16324 + 76 * 20);
  EXPECT_EQ(Edit("itemnumber")->text(), "4");
  EXPECT_EQ(Edit("Edit3")->text(), "17");
  EXPECT_EQ(Label("Label3")->text(), "Item: Prism cube");
  EXPECT_EQ(CentreColour(Image("items")->picture()), ItemColour(4));
  EXPECT_EQ(CentreColour(Image("selit")->picture()), ItemColour(4));
  EXPECT_EQ(Position("selit"), QPoint(24, 24));
  EXPECT_TRUE(Button("Button5")->isEnabled());

  const QString text = Edit("Edit2")->text();
  ASSERT_EQ(text.size(), 16);
  EXPECT_EQ(text.left(2), "HI");
  EXPECT_EQ(text[2], QChar(0xE07F));  // a byte outside the character table keeps its place
  EXPECT_EQ(text[3], '!');
  EXPECT_EQ(text.mid(4), QString(12, ' '));

  const QPoint markers[] = {{255, 8}, {8, 24}, {255, 189}, {8, 8}};
  for (int n = 1; n <= 4; ++n) {
    const QString k = QString::number(n);
    EXPECT_EQ(Edit("ene" + k)->text(), Hex(kinds[n - 1])) << n;
    EXPECT_EQ(Edit("Edit" + QString::number(n + 4))->text(), QString::number(destinations[n - 1])) << n;
    EXPECT_EQ(CentreColour(Image("Enemy" + k)->picture()), EnemyColour(kinds[n - 1])) << n;
    EXPECT_EQ(CentreColour(Image("En" + k)->picture()), EnemyColour(kinds[n - 1])) << n;
    EXPECT_EQ(Position("En" + k), markers[n - 1]) << n;
  }
  EXPECT_EQ(Edit("pal1")->text(), "40");
  EXPECT_EQ(Edit("pal2")->text(), "158");
  EXPECT_EQ(Label("Label15")->text(), "Forest 1");

  const QString memo = Get<QPlainTextEdit>("Memo1")->toPlainText();
  ASSERT_EQ(memo.size(), 116);
  EXPECT_EQ(memo[0], 'A');
  EXPECT_EQ(memo[1], ' ');
  EXPECT_EQ(memo[115], QChar(0xE080));
  EXPECT_EQ(Edit("Endscreen")->text(), "1");
  EXPECT_EQ(Edit("pointer")->text(), "A007");
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 8139 + 76);
}

TEST_F(LoadingTest, EndScreenHookAndTheRememberedEndBlock) {
  OpenRom(RomBuilder().DistinctScreens().Hook(0x21, 0xA007));
  EXPECT_EQ(Edit("Endscreen")->text(), "0");
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 0);

  OpenRom(RomBuilder().DistinctScreens().Hook(0x20, 0xA80B));
  EXPECT_EQ(Edit("Endscreen")->text(), "28");
  EXPECT_EQ(Edit("pointer")->text(), "A80B");
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 8139 + 76 * 28);

  // Remembered once per Open ROM: a hook changed on disk later does not move it.
  RomBuilder().DistinctScreens().Hook(0x20, 40891 + 76 * 5).Write(RomPath());
  ShowScreen(2);
  EXPECT_EQ(Edit("Endscreen")->text(), "5");
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 8139 + 76 * 28);

  // Only a block of end screens 1..107 is remembered; other operands are shown but not kept.
  for (int operand : {40891 + 76 * 108, 0x1234, 40891 + 76 * 3 + 1}) {
    OpenRom(RomBuilder().DistinctScreens().Hook(0x20, static_cast<std::uint16_t>(operand)));
    EXPECT_EQ(Edit("pointer")->text(), Hex(operand));
    EXPECT_EQ(window->state().PreviousEndCodeOffset, 0) << operand;
  }
  OpenRom(RomBuilder().DistinctScreens().Hook(0x20, 40891 + 76 * 107));
  EXPECT_EQ(window->state().PreviousEndCodeOffset, 8139 + 76 * 107);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(LoadingTest, UnopenableRomIsRefusedAtOpen) {
  const int descriptors = OpenDescriptors();
  const std::string missing = (dir / "missing.nes").string();
  dialogs.fileAnswers << QString::fromStdString(missing);
  Click([this] { window->Button2Click(); });
  EXPECT_EQ(LastMessage(), "File not found.");
  EXPECT_FALSE(std::filesystem::exists(missing));

  std::filesystem::create_directory(dir / "folder.nes");
  dialogs.fileAnswers << QString::fromStdString((dir / "folder.nes").string());
  Click([this] { window->Button2Click(); });
  EXPECT_EQ(LastMessage(), "File access denied.");

  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(EnabledCommands(), (QStringList{"Button2", "Button10", "BitBtn1"}));
  EXPECT_EQ(window->state().FirstLoadDone, 0);
  EXPECT_EQ(OpenDescriptors(), descriptors);
}

TEST_F(LoadingTest, ShortRomStopsTheReloadAtTheFirstMissingByte) {
  const int descriptors = OpenDescriptors();
  OpenRom(RomBuilder(33236).DistinctScreens());
  EXPECT_EQ(LastMessage(), "Read beyond end of file.");
  EXPECT_EQ(RomBytes(), RomBuilder(33236).DistinctScreens().bytes());
  EXPECT_EQ(Edit("Edit1")->text(), "55");
  EXPECT_EQ(OpenDescriptors(), descriptors);

  // One byte more holds the start-screen byte, and screen 128's record lies well inside.
  dialogs.messages.clear();
  OpenRom(RomBuilder(33237).DistinctScreens().StartScreenByte(89));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
  ExpectShows(128);
  EXPECT_EQ(RomBytes().size(), 33237u);
}

TEST_F(LoadingTest, RomDeletedAfterOpenFailsTheReloadAndIsNotRecreated) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(StartByte(7)));
  const QString message = Edit("Edit2")->text();
  const int descriptors = OpenDescriptors();
  std::filesystem::remove(RomPath());
  ShowScreen(8);
  EXPECT_EQ(LastMessage(), "File not found.");
  EXPECT_FALSE(std::filesystem::exists(RomPath()));
  EXPECT_EQ(Edit("Edit2")->text(), message);
  EXPECT_EQ(TileCode(1), Hex(DistinctRecord(7)[0]));
  EXPECT_EQ(OpenDescriptors(), descriptors);
}

TEST_F(LoadingTest, MissingTileBitmapStopsTheReloadAtItsCell) {
  RecordBytes record = DistinctRecord(2);
  record[4] = 0xB0;
  const RomBuilder rom = RomBuilder().DistinctScreens().Record(2, record).StartScreenByte(StartByte(1));
  OpenRom(rom);
  const int descriptors = OpenDescriptors();
  ShowScreen(2);
  EXPECT_EQ(LastMessage(), "Cannot open file graph/B0.bmp.");
  const auto previous = DistinctRecord(1);
  for (int cell = 1; cell <= 48; ++cell) {
    const int shown = cell < 5 ? record[cell - 1] : previous[cell - 1];
    EXPECT_EQ(TileCode(cell), Hex(shown)) << cell;
    EXPECT_EQ(CentreColour(Image("Image" + QString::number(cell))->picture()), TileColour(shown)) << cell;
  }
  EXPECT_EQ(Edit("itemnumber")->text(), Hex(previous[kRecordItem]));
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(RomBytes(), rom.bytes());
}

TEST_F(LoadingTest, CorruptBitmapIsReportedAsInvalid) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(StartByte(1)));
  RecordBytes record = DistinctRecord(2);
  record[0] = 3;
  RomBuilder().DistinctScreens().Record(2, record).Write(RomPath());
  WriteText(dir / "graph" / "3.bmp", "BM this is not a picture");
  ShowScreen(2);
  EXPECT_EQ(LastMessage(), "Bitmap image is not valid.");
  EXPECT_EQ(TileCode(1), Hex(DistinctRecord(1)[0]));
}

}  // namespace
}  // namespace quelbrook::testing
