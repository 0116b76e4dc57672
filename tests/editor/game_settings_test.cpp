#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>

#include "byte_map.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

// The game's end routine, written out independently of the editor's copy.
std::vector<std::uint8_t> EndBlock(int endScreen) {
  const std::string digits =
      "E8861FE046F00160A200A90F9D0501E8E002D0F8A200AD0220A9218D0620E69EA59E8D0620BDDCF48D0720E8E074D0E6A503C9"
      "02F003D0F8EA4C007FAA861F10C2EA60CA861F10BBEA60";
  std::vector<std::uint8_t> block;
  for (std::size_t i = 0; i < digits.size(); i += 2)
    block.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
  block[4] = static_cast<std::uint8_t>(endScreen - 1);
  return block;
}

std::uint16_t BlockAddress(int endScreen) { return static_cast<std::uint16_t>(40891 + 76 * endScreen); }

// The file after a save of end screen E: block, call sites and hook.
std::vector<std::uint8_t> AfterEndSave(std::vector<std::uint8_t> file, int endScreen) {
  const auto block = EndBlock(endScreen);
  std::copy(block.begin(), block.end(), file.begin() + 8139 + 76 * endScreen);
  const int a = BlockAddress(endScreen);
  for (auto [offset, target] : {std::pair{506, a + 60}, {543, a + 60}, {581, a + 67}, {617, a}}) {
    file[offset] = 0x20;
    file[offset + 1] = static_cast<std::uint8_t>(target & 0xFF);
    file[offset + 2] = static_cast<std::uint8_t>(target >> 8);
  }
  return file;
}

class GameSettingsTest : public WindowTest {
 protected:
  void SaveEnd(const QString& text, bool answer = true) {
    Edit("Endscreen")->setText(text);
    dialogs.questionAnswers = {answer};
    Click([this] { window->Button40Click(); });
  }
  void SaveEndingText(const QString& text) {
    window->registry().get<QPlainTextEdit>("Memo1")->setPlainText(text);
    Click([this] { window->Button41Click(); });
  }
  QString NoMessages() const { return dialogs.messages.join("\n"); }
};

TEST_F(GameSettingsTest, StartScreenIsStoredAsScreenMinus39) {
  OpenRom(RomBuilder().DistinctScreens());
  const auto before = RomBytes();
  for (auto [text, shown, byte] : {std::tuple{"1", "1", 218},
                                   {"38", "38", 255},
                                   {"39", "39", 0},
                                   {"55", "55", 16},
                                   {"128", "128", 89},
                                   {"0", "1", 218},
                                   {"300", "128", 89}}) {
    SCOPED_TRACE(text);
    Edit("Startscreen")->setText(text);
    Click([this] { window->Button37Click(); });
    EXPECT_EQ(Edit("Startscreen")->text(), shown);
    auto expected = before;
    expected[kStartScreenOffset] = static_cast<std::uint8_t>(byte);
    EXPECT_EQ(RomBytes(), expected);
  }
  // Read back by the next reload.
  Edit("Startscreen")->setText("38");
  Click([this] { window->Button37Click(); });
  Edit("Startscreen")->setText("7");
  ShowScreen(2);
  EXPECT_EQ(Edit("Startscreen")->text(), "38");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
}

TEST_F(GameSettingsTest, StepButtonsStayWithin1To128AndWriteNothing) {
  OpenRom(RomBuilder().DistinctScreens());
  const auto before = RomBytes();
  for (const char* field : {"Startscreen", "Endscreen"}) {
    for (auto [from, direction, to] : {std::tuple{"0", -1, "1"},
                                       {"0", +1, "1"},
                                       {"1", -1, "1"},
                                       {"127", +1, "128"},
                                       {"128", +1, "128"},
                                       {"128", -1, "127"},
                                       {"200", +1, "128"}}) {
      SCOPED_TRACE(std::string(field) + " " + from + " " + std::to_string(direction));
      Edit(field)->setText(from);
      Click([this, field, direction = direction] { window->GameScreenStepClick(Edit(field), direction); });
      EXPECT_EQ(Edit(field)->text(), to);
    }
  }
  EXPECT_EQ(RomBytes(), before);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
}

TEST_F(GameSettingsTest, EndScreens1And28WriteBlockCallsAndHookAndReadBack) {
  for (auto [screen, hookLow, hookHigh] : {std::tuple{1, 0x07, 0xA0}, {28, 0x0B, 0xA8}}) {
    SCOPED_TRACE(screen);
    OpenRom(RomBuilder().DistinctScreens());
    const auto before = RomBytes();
    SaveEnd(QString::number(screen));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
    const auto after = RomBytes();
    EXPECT_EQ(after, AfterEndSave(before, screen));
    EXPECT_EQ(after[617], 0x20);
    EXPECT_EQ(after[618], hookLow);
    EXPECT_EQ(after[619], hookHigh);
    EXPECT_EQ(after[8139 + 76 * screen + 4], screen - 1);
    EXPECT_EQ(
        dialogs.questions.back(),
        "Attention!|This operation will write the End data\r\nin chosen End screen. The Previous End\r\n"
        "screen will is refined. Continue?");
    Edit("Endscreen")->setText("0");
    ShowScreen(3);
    EXPECT_EQ(Edit("Endscreen")->text(), QString::number(screen));
  }
}

TEST_F(GameSettingsTest, SavingAnotherEndScreenClearsTheBlockOfThePreviousOne) {
  // The ROM already ends at screen 3, whose block is in place.
  RomBuilder rom;
  rom.DistinctScreens().Hook(0x20, BlockAddress(3)).Set(8139 + 76 * 3, EndBlock(3));
  OpenRom(rom);
  EXPECT_EQ(Edit("Endscreen")->text(), "3");
  auto expected = RomBytes();
  SaveEnd("5");
  std::fill_n(expected.begin() + 8139 + 76 * 3, 74, 0x00);
  expected = AfterEndSave(expected, 5);
  EXPECT_EQ(RomBytes(), expected);

  SaveEnd("7");
  std::fill_n(expected.begin() + 8139 + 76 * 5, 74, 0x00);
  expected = AfterEndSave(expected, 7);
  EXPECT_EQ(RomBytes(), expected);

  // Saving the same end screen again leaves a whole block, not a cleared one.
  SaveEnd("7");
  EXPECT_EQ(RomBytes(), expected);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
}

TEST_F(GameSettingsTest, AHookOperandThatNamesNoSavableBlockIsNeverCleared) {
  // An unrelated operand, one a byte off a block, and the block of screen 110
  // (which lies over the records of the first screens).
  for (std::uint16_t operand :
       {std::uint16_t(0x1234), std::uint16_t(BlockAddress(3) + 1), BlockAddress(110)}) {
    SCOPED_TRACE(operand);
    RomBuilder rom;
    rom.DistinctScreens().Hook(0x20, operand).Set(8139 + 76 * 3, std::vector<std::uint8_t>(80, 0xAA));
    OpenRom(rom);
    const auto before = RomBytes();
    SaveEnd("5");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
    EXPECT_EQ(RomBytes(), AfterEndSave(before, 5));
  }
}

TEST_F(GameSettingsTest, EndSavesThatWriteNothing) {
  OpenRom(RomBuilder().DistinctScreens());
  const auto before = RomBytes();

  SaveEnd("5", false);  // No to "Attention!"
  EXPECT_EQ(dialogs.questions.size(), 1);
  EXPECT_TRUE(dialogs.messages.isEmpty());

  SaveEnd("0");
  EXPECT_EQ(LastMessage(), "Select End screen!");
  EXPECT_EQ(dialogs.captions.back(), "QuelbrookEditor");

  for (const char* refused : {"108", "128", "999"}) {
    SCOPED_TRACE(refused);
    SaveEnd(refused);
    EXPECT_TRUE(LastMessage().contains("1 to 107")) << LastMessage().toStdString();
  }
  EXPECT_EQ(dialogs.questions.size(), 1);  // refused before the question
  EXPECT_EQ(RomBytes(), before);
}

TEST_F(GameSettingsTest, SavingTheShownEndScreenReloadsTheView) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(5);
  Edit("pal1")->setText("99");  // unsaved: a reload shows the stored 5 again

  SaveEnd("6");
  EXPECT_EQ(Edit("pal1")->text(), "99");
  SaveEnd("5", false);
  EXPECT_EQ(Edit("pal1")->text(), "99");
  SaveEnd("5");
  EXPECT_EQ(Edit("pal1")->text(), "5");
  EXPECT_EQ(Edit("Endscreen")->text(), "5");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();
}

TEST_F(GameSettingsTest, EndingTextIsStoredInTheGamesCodePaddedWithZeros) {
  OpenRom(RomBuilder().DistinctScreens().EndingText(std::vector<std::uint8_t>(116, 0x41)));
  const auto before = RomBytes();
  const auto region = [this] {
    const auto file = RomBytes();
    return std::vector<std::uint8_t>(file.begin() + kEndingTextOffset,
                                     file.begin() + kEndingTextOffset + 116);
  };
  std::vector<std::uint8_t> hello{0x48, 0x45, 0x4C, 0x4C, 0x4F};
  hello.resize(116, 0x00);

  SaveEndingText("HELLO" + QString(111, ' '));
  EXPECT_EQ(region(), hello);
  // A shorter text: the positions past its end become 0x00, not old bytes.
  SaveEndingText(QString(116, 'Z'));
  SaveEndingText("HELLO");
  EXPECT_EQ(region(), hello);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << NoMessages().toStdString();

  // Nothing but the region changes; a full text of table characters reads back as it was.
  const QString full = QString("0123456789:&,.!?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\"'+- ").repeated(3).left(116);
  SaveEndingText(full);
  auto expected = before;
  for (int i = 0; i < 116; ++i) expected[kEndingTextOffset + i] = RomBytes()[kEndingTextOffset + i];
  EXPECT_EQ(RomBytes(), expected);
  ShowScreen(2);
  EXPECT_EQ(window->registry().get<QPlainTextEdit>("Memo1")->toPlainText(), full);

  const auto saved = RomBytes();
  SaveEndingText("HELLo");
  EXPECT_TRUE(LastMessage().contains("'o' at position 5")) << LastMessage().toStdString();
  SaveEndingText("HELLO\nWORLD");
  EXPECT_TRUE(LastMessage().contains("position 6")) << LastMessage().toStdString();
  EXPECT_EQ(RomBytes(), saved);
}

TEST_F(GameSettingsTest, MemoDiscardsEnterAndA117thCharacter) {
  OpenRom(RomBuilder().DistinctScreens());
  auto* memo = window->registry().get<QPlainTextEdit>("Memo1");
  memo->setEnabled(true);  // as if the user could type into it
  const auto type = [memo](int key, const QString& text) {
    memo->moveCursor(QTextCursor::End);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(memo, &press);
  };
  memo->setPlainText("HELLO");
  type(Qt::Key_Return, "\r");
  type(Qt::Key_Enter, "\r");
  EXPECT_EQ(memo->toPlainText(), "HELLO");
  type(Qt::Key_A, "A");
  EXPECT_EQ(memo->toPlainText(), "HELLOA");

  memo->setPlainText(QString(115, 'X'));
  type(Qt::Key_Y, "Y");
  EXPECT_EQ(memo->toPlainText().size(), 116);
  type(Qt::Key_Z, "Z");
  EXPECT_EQ(memo->toPlainText(), QString(115, 'X') + "Y");
  // Deleting is still possible at the limit.
  type(Qt::Key_Backspace, "\b");
  EXPECT_EQ(memo->toPlainText().size(), 115);
}

TEST_F(GameSettingsTest, GameSettingsBoxShowsAndHidesTheBlock) {
  const char* const block[] = {"Label16",  "Button37", "Button35",  "Startscreen", "Button36", "Label17",
                               "Button40", "Button38", "Endscreen", "Button39",    "Memo1",    "Button41"};
  QCheckBox* box = Check("CheckBox7");
  EXPECT_EQ(box->text(), "Game settings");
  EXPECT_FALSE(box->isChecked());
  for (const char* name : block) EXPECT_TRUE(Get<QWidget>(name)->isHidden()) << name;
  box->setChecked(true);
  for (const char* name : block) EXPECT_FALSE(Get<QWidget>(name)->isHidden()) << name;
  box->setChecked(false);
  for (const char* name : block) EXPECT_TRUE(Get<QWidget>(name)->isHidden()) << name;
  EXPECT_FALSE(Image("Image49")->isHidden());
}

}  // namespace
}  // namespace quelbrook::testing
