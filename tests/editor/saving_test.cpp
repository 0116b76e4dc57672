// Save screen: the view goes back into the record that the last reload located,
// all of it or nothing.
#include <QDir>
#include <QImage>
#include <filesystem>
#include <optional>

#include "byte_map.h"
#include "hex_text.h"
#include "locked_folder.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

// Every kind of stored value, spread over the 128 screens: every tile, item codes up
// to the last savable one, every message byte (table and foreign), destinations
// 0..254 and every palette number.
RecordBytes VariedRecord(int screen) {
  RecordBytes bytes{};
  const int s = screen - 1;
  for (int i = 0; i < kTileCount; ++i) bytes[kRecordTiles + i] = Byte((s * kTileCount + i) % 176);
  bytes[kRecordItem] = Byte(s % 0x15);
  bytes[kRecordItemDestination] = Byte((s * 5) % 255);
  for (int i = 0; i < kMessageLength; ++i) bytes[kRecordMessage + i] = Byte((s * kMessageLength + i) % 256);
  for (int i = 0; i < kEnemyCount; ++i) {
    bytes[kRecordEnemyKinds + i] = Byte((s + i) % 16);
    bytes[kRecordEnemyDestinations + i] = Byte((s * 5 + i + 1) % 255);
  }
  bytes[kRecordPalette1] = Byte((2 * s) % 256);
  bytes[kRecordPalette2] = Byte((2 * s + 1) % 256);
  return bytes;
}

RecordBytes RecordIn(const std::vector<std::uint8_t>& rom, int screen) {
  RecordBytes record{};
  std::copy_n(rom.begin() + ScreenRecordOffset(screen), kScreenRecordLength, record.begin());
  return record;
}

class SavingTest : public WindowTest {
 protected:
  void Save() {
    Click([this] { window->Button5Click(); });
  }
  void OpenDistinct() { OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55)); }
  // The asset folder holds the catalogue's item pictures only; codes up to 0x14 are savable.
  void AddItemPictures() {
    for (int code = 12; code <= 0x14; ++code) {
      QImage picture(32, 32, QImage::Format_RGB32);
      picture.fill(ItemColour(code));
      ASSERT_TRUE(picture.save(
          QDir(Folder()).filePath("items/" + QString::fromStdString(IntToHexText(code)) + ".bmp"), "BMP"));
    }
  }
  void SetTileCode(int cell, const QString& text) {
    Get<TileCodeTable>("StringGrid1")->setText(cell - 1, text);
  }
};

TEST_F(SavingTest, ReloadThenSaveLeavesTheFileByteIdenticalOnEveryScreen) {
  AddItemPictures();
  RomBuilder rom;
  for (int n = 1; n <= kScreenCount; ++n) rom.Record(n, VariedRecord(n));
  OpenRom(rom);
  const auto before = RomBytes();
  for (int n = 1; n <= kScreenCount; ++n) {
    ShowScreen(n);
    Save();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << "screen " << n << ": " << LastMessage().toStdString();
    ASSERT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{}) << "screen " << n;
  }
}

TEST_F(SavingTest, StoredDestination255IsSavedAsZeroAndNothingElseChanges) {
  RecordBytes record = DistinctRecord(55);
  record[kRecordItemDestination] = 255;
  record[kRecordEnemyDestinations + 1] = 255;
  record[kRecordEnemyDestinations + 3] = 255;
  OpenRom(RomBuilder().DistinctScreens().Record(55, record).StartScreenByte(kStartsAt55));
  const auto before = RomBytes();
  Save();
  const auto after = RomBytes();
  const std::vector<std::size_t> destinations{
      k55 + kRecordItemDestination, k55 + kRecordEnemyDestinations + 1, k55 + kRecordEnemyDestinations + 3};
  EXPECT_EQ(ChangedOffsets(before, after), destinations);
  for (std::size_t offset : destinations) EXPECT_EQ(after[offset], 0) << offset;
}

TEST_F(SavingTest, SaveGoesToTheReloadedScreenEvenAfterEdit1Changed) {
  OpenDistinct();
  const auto before = RomBytes();
  Edit("pal1")->setText("7");
  Edit("Edit1")->setText("56");
  Save();
  const auto after = RomBytes();
  EXPECT_EQ(ChangedOffsets(before, after), std::vector<std::size_t>{k55 + kRecordPalette1});
  EXPECT_EQ(after[k55 + kRecordPalette1], 7);
}

TEST_F(SavingTest, NumbersKeepTheirLowByteAndBadCodeTextsBecomeZero) {
  OpenDistinct();
  Edit("Edit3")->setText("300");
  Edit("pal1")->setText("256");
  Edit("pal2")->setText("255");
  Edit("Edit2")->setText("");
  Edit("itemnumber")->setText("");
  Edit("ene3")->setText("G1");
  SetTileCode(5, "ZZ");
  SetTileCode(7, "");
  Save();
  ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();

  RecordBytes expected = DistinctRecord(55);
  expected[kRecordItemDestination] = 44;
  expected[kRecordPalette1] = 0;
  expected[kRecordPalette2] = 255;
  for (int i = 0; i < kMessageLength; ++i) expected[kRecordMessage + i] = 0;
  expected[kRecordItem] = 0;
  expected[kRecordEnemyKinds + 2] = 0;
  expected[kRecordTiles + 4] = 0;
  expected[kRecordTiles + 6] = 0;
  EXPECT_EQ(RecordIn(RomBytes(), 55), expected);

  // The field is padded in place, and nothing is reloaded after the save.
  EXPECT_EQ(Edit("Edit2")->text(), QString(16, ' '));
  EXPECT_EQ(Edit("Edit3")->text(), "300");
  EXPECT_EQ(Edit("pal1")->text(), "256");
}

TEST_F(SavingTest, MessageOutsideTheAlphabetIsRefusedButForeignBytesGoBack) {
  OpenDistinct();
  const auto before = RomBytes();
  Edit("Edit2")->setText("HELLO world");
  Save();
  EXPECT_TRUE(LastMessage().contains("'w'")) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("position 7")) << LastMessage().toStdString();
  EXPECT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{});

  // Characters that decoding gives for bytes outside the table stand for those bytes.
  dialogs.messages.clear();
  Edit("Edit2")->setText(QString("AB") + QChar(0xE001) + QChar(0xE0FF) + "C");
  Save();
  ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  const RecordBytes record = RecordIn(RomBytes(), 55);
  const std::vector<std::uint8_t> message(record.begin() + kRecordMessage,
                                          record.begin() + kRecordMessage + kMessageLength);
  EXPECT_EQ(message,
            (std::vector<std::uint8_t>{0x41, 0x42, 0x01, 0xFF, 0x43, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Edit("Edit2")->text().size(), 16);
}

TEST_F(SavingTest, AnUnconvertibleNumberStopsTheSaveBeforeAnyByteIsWritten) {
  OpenDistinct();
  for (const char* field : {"Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "pal1", "pal2"}) {
    for (const QString& text : {QString(), QString("1x")}) {
      SCOPED_TRACE(std::string(field) + " = '" + text.toStdString() + "'");
      ShowScreen(55);
      dialogs.messages.clear();
      const auto before = RomBytes();
      // Edits before and after the bad field in record order must not reach the file either.
      SetTileCode(1, "AF");
      Edit("Edit2")->setText("CHANGED");
      Edit("ene4")->setText("3");
      Edit(field)->setText(text);
      Save();
      EXPECT_EQ(LastMessage(), "'" + text + "' is not a valid integer value.");
      EXPECT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{});
    }
  }
}

TEST_F(SavingTest, AReloadThatStopsPartWayLeavesNothingToSaveInto) {
  Save();
  EXPECT_FALSE(LastMessage().isEmpty()) << "a save before any ROM must say why nothing happened";

  RecordBytes broken = DistinctRecord(56);
  broken[20] = 0xB0;  // no picture graph/B0.bmp
  OpenRom(RomBuilder().DistinctScreens().Record(56, broken).StartScreenByte(kStartsAt55));
  ShowScreen(56);
  ASSERT_EQ(LastMessage(), "Cannot open file graph/B0.bmp.");
  const auto before = RomBytes();
  dialogs.messages.clear();
  Save();
  EXPECT_FALSE(LastMessage().isEmpty());
  EXPECT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{});

  // A complete reload makes the shown screen savable again.
  dialogs.messages.clear();
  ShowScreen(55);
  Edit("pal1")->setText("7");
  Save();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{k55 + kRecordPalette1});
}

// The mend asks only that a save writes into the record the last successful reload of the
// same file located: a reload that stops before it replaces any of the shown screen's values
// leaves that record the save target.
TEST_F(SavingTest, AReloadThatStopsBeforeTheViewChangesKeepsTheEditsSavable) {
  OpenRom(RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55));
  ShowScreen(10);
  const std::size_t k10 = static_cast<std::size_t>(ScreenRecordOffset(10));
  Edit("pal1")->setText("7");
  const auto before = RomBytes();
  // A number that does not convert, typed where the screen number goes.
  Edit("Edit1")->setText("abc");
  Click([this] { window->Button1Click(); });
  ASSERT_EQ(LastMessage(), "'abc' is not a valid integer value.");
  EXPECT_EQ(Edit("pal1")->text(), "7");
  dialogs.messages.clear();
  Save();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(ChangedOffsets(before, RomBytes()), std::vector<std::size_t>{k10 + kRecordPalette1});

  // A ROM that cannot be opened: the reload stops before the view changes.
  Edit("pal2")->setText("9");
  const auto saved = RomBytes();
  Edit("Edit1")->setText("20");
  std::filesystem::remove(RomPath());
  Click([this] { window->Button1Click(); });
  ASSERT_EQ(LastMessage(), "File not found.");
  WriteFile(RomPath(), saved);
  dialogs.messages.clear();
  Save();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(ChangedOffsets(saved, RomBytes()), std::vector<std::size_t>{k10 + kRecordPalette2});
  EXPECT_EQ(RecordIn(RomBytes(), 20), RecordIn(saved, 20));
}

// In a folder that takes no new files the backup copy cannot be made: the user is asked
// once, with the reason; Yes writes without a backup until the next Open ROM, No writes nothing.
TEST_F(SavingTest, ABackupCopyThatCannotBeMadeIsAskedAboutInsteadOfBlockingEverySave) {
  const std::filesystem::path folder = dir / "locked";
  std::filesystem::create_directory(folder);
  const std::string rom = (folder / "game.nes").string();
  RomBuilder().DistinctScreens().StartScreenByte(kStartsAt55).Write(rom);
  auto openRom = [&] {
    dialogs.fileAnswers << QString::fromStdString(rom);
    Click([this] { window->Button2Click(); });
  };
  openRom();
  ASSERT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  LockedFolder lock(folder);
  if (!lock.locked()) GTEST_SKIP() << lock.whyNot();
  const auto original = ReadFile(rom);

  Edit("pal1")->setText("7");
  dialogs.questionAnswers = {false};
  Save();
  ASSERT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.questions[0].contains(QString::fromStdString(rom) + ".bak could not be made ("))
      << dialogs.questions[0].toStdString();
  EXPECT_TRUE(dialogs.questions[0].contains("without a backup")) << dialogs.questions[0].toStdString();
  EXPECT_TRUE(LastMessage().startsWith("Nothing was written")) << LastMessage().toStdString();
  EXPECT_EQ(ReadFile(rom), original);

  dialogs.questionAnswers = {true};
  Save();
  EXPECT_EQ(dialogs.questions.size(), 2);
  EXPECT_EQ(ChangedOffsets(original, ReadFile(rom)), std::vector<std::size_t>{k55 + kRecordPalette1});
  // Not asked again until the next Open ROM.
  dialogs.messages.clear();
  Edit("pal2")->setText("9");
  Save();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << LastMessage().toStdString();
  EXPECT_EQ(dialogs.questions.size(), 2);
  EXPECT_EQ(ReadFile(rom)[k55 + kRecordPalette2], 9);
  EXPECT_FALSE(std::filesystem::exists(rom + ".bak"));

  const auto saved = ReadFile(rom);
  openRom();
  Edit("pal1")->setText("8");
  dialogs.questionAnswers = {false};
  Save();
  EXPECT_EQ(dialogs.questions.size(), 3);
  EXPECT_EQ(ReadFile(rom), saved);
}

TEST_F(SavingTest, AFailedSecondOpenRomLeavesNothingToSaveIntoInEitherFile) {
  RecordBytes broken = DistinctRecord(55);
  broken[0] = 0xB0;
  struct Case {
    const char* what;
    std::optional<RomBuilder> second;
    QString message;
  };
  const Case cases[] = {
      // Long enough to hold screen 55's record, too short for the start-screen byte.
      {"too short", RomBuilder(30000), "Read beyond end of file."},
      {"missing tile picture", RomBuilder().DistinctScreens().Record(55, broken).StartScreenByte(kStartsAt55),
       "Cannot open file graph/B0.bmp."},
      {"missing file", std::nullopt, "File not found."},
  };
  const std::string secondPath = (dir / "second.nes").string();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(secondPath);
    OpenDistinct();
    const auto first = RomBytes();
    if (c.second) c.second->Write(secondPath);
    const auto second = ReadFile(secondPath);
    dialogs.messages.clear();
    dialogs.fileAnswers.push_back(QString::fromStdString(secondPath));
    Click([this] { window->Button2Click(); });
    ASSERT_EQ(LastMessage(), c.message);

    dialogs.messages.clear();
    Save();
    EXPECT_FALSE(LastMessage().isEmpty());
    EXPECT_EQ(ChangedOffsets(second, ReadFile(secondPath)), std::vector<std::size_t>{});
    EXPECT_EQ(ChangedOffsets(first, RomBytes()), std::vector<std::size_t>{});
  }
}

}  // namespace
}  // namespace quelbrook::testing
