// The screen buttons "<" and ">" and the input pattern shared by every numeric field,
// driven with real key and mouse events.
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "hex_text.h"
#include "window_fixture.h"

namespace quelbrook::testing {
namespace {

class NavigationTest : public WindowTest {
 protected:
  // Rewrites screen n on disk so that only a fresh reload can show it.
  void ChangeOnDisk(int screen) {
    RecordBytes record = DistinctRecord(screen);
    record[0] = 170;
    RomBuilder().DistinctScreens().Record(screen, record).Write(RomPath());
  }
  void Step(int direction) {
    Click([this, direction] { direction < 0 ? window->Button3Click() : window->Button4Click(); });
  }
  QString FirstTile(int screen) const {
    return QString::fromStdString(IntToHexText(DistinctRecord(screen)[0]));
  }
};

TEST_F(NavigationTest, ButtonsStepWithoutWrappingAndAlwaysReload) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(1);
  ChangeOnDisk(1);
  Step(-1);
  EXPECT_EQ(Edit("Edit1")->text(), "1");
  EXPECT_EQ(TileCode(1), "AA");

  ShowScreen(128);
  ChangeOnDisk(128);
  Step(+1);
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  EXPECT_EQ(TileCode(1), "AA");

  ShowScreen(16);
  Step(+1);  // no regard to rows: the first screen of the next row
  EXPECT_EQ(Edit("Edit1")->text(), "17");
  EXPECT_EQ(TileCode(1), FirstTile(17));
  EXPECT_EQ(window->state().ScreenRecordOffset, 16324 + 76 * 17);
  Step(-1);
  EXPECT_EQ(TileCode(1), FirstTile(16));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(NavigationTest, ButtonsPullOutOfRangeNumbersBack) {
  OpenRom(RomBuilder().DistinctScreens());
  Edit("Edit1")->setText("0");
  Step(-1);
  EXPECT_EQ(Edit("Edit1")->text(), "1");
  EXPECT_EQ(TileCode(1), FirstTile(1));
  Edit("Edit1")->setText("200");
  Step(+1);
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  EXPECT_EQ(TileCode(1), FirstTile(128));

  Edit("Edit1")->setText("");
  Step(+1);
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
  EXPECT_EQ(Edit("Edit1")->text(), "");
}

TEST_F(NavigationTest, TriggeredStepsRunOnDisabledButtons) {
  OpenRom(RomBuilder().DistinctScreens());
  ShowScreen(30);
  Button("Button3")->setEnabled(false);
  Button("Button4")->setEnabled(false);
  Step(+1);
  EXPECT_EQ(TileCode(1), FirstTile(31));
  Step(-1);
  Step(-1);
  EXPECT_EQ(Edit("Edit1")->text(), "29");
  EXPECT_EQ(TileCode(1), FirstTile(29));
}

class NumericFieldTest : public WindowTest {
 protected:
  // Delivered as the toolkit delivers a typed key, through the field's event filters.
  void Type(const QString& field, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(Edit(field), &press);
  }
  void TypeText(const QString& field, const QString& text) {
    for (QChar ch : text) Type(field, ch.toUpper().unicode(), QString(ch));
  }
  void MoveMouseOver(const QString& field) {
    const QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, Edit(field)->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(Edit(field), &move);
  }
};

TEST_F(NumericFieldTest, OnlyDigitsAreTyped) {
  Edit("Edit1")->setText("12");
  TypeText("Edit1", "a-+ x");
  Type("Edit1", Qt::Key_Backspace, "\b");
  Type("Edit1", Qt::Key_Backspace);
  Type("Edit1", Qt::Key_Return, "\r");
  Type("Edit1", Qt::Key_Enter, "\r");
  EXPECT_EQ(Edit("Edit1")->text(), "12");
  TypeText("Edit1", "7");
  EXPECT_EQ(Edit("Edit1")->text(), "127");

  // Delete still removes text: the one way to shorten a field by keyboard.
  Edit("pal1")->setText("40");
  Edit("pal1")->setCursorPosition(0);
  Type("pal1", Qt::Key_Delete);
  EXPECT_EQ(Edit("pal1")->text(), "0");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

// Under X11 Delete arrives with the text U+007F, Tab with "\t" and Ctrl+A with U+0001:
// a key is judged by what it is, not by its text.
class PlatformKeysTest : public NumericFieldTest {
 protected:
  void Press(const QString& field, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(Edit(field), &press);
  }
};

TEST_F(PlatformKeysTest, DeleteWithItsPlatformTextRemovesText) {
  OpenRom(RomBuilder().DistinctScreens());  // the game settings fields take keys once a ROM is open
  dialogs.messages.clear();
  for (const char* field : {"Edit1", "Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "pal1", "pal2", "Startscreen",
                            "Endscreen"}) {
    SCOPED_TRACE(field);
    Edit(field)->setText("40");
    Edit(field)->setCursorPosition(0);
    Press(field, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    EXPECT_EQ(Edit(field)->text(), "0");
  }
  // Printable non-digits, Backspace and Enter stay discarded.
  Edit("pal1")->setText("12");
  Press("pal1", Qt::Key_Space, Qt::NoModifier, " ");
  Press("pal1", Qt::Key_A, Qt::ShiftModifier, "A");
  Press("pal1", Qt::Key_Backspace, Qt::NoModifier, "\b");
  Press("pal1", Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_EQ(Edit("pal1")->text(), "12");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(PlatformKeysTest, TabAndShiftTabLeaveTheField) {
  window->show();
  QApplication::setActiveWindow(window.get());
  Edit("pal1")->setFocus();
  ASSERT_EQ(window->focusWidget(), Edit("pal1"));
  Press("pal1", Qt::Key_Tab, Qt::NoModifier, "\t");
  QWidget* next = window->focusWidget();
  EXPECT_NE(next, Edit("pal1"));
  if (next == Edit("pal1")) return;
  next->setFocus();
  Edit("pal1")->setFocus();
  Press("pal1", Qt::Key_Backtab, Qt::ShiftModifier, "\t");
  EXPECT_NE(window->focusWidget(), Edit("pal1"));
}

TEST_F(PlatformKeysTest, EditingShortcutsWorkAndAPasteInsertsOnlyDigits) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  Edit("Edit3")->setText("123");
  Press("Edit3", Qt::Key_A, Qt::ControlModifier, QString(QChar(0x01)));
  EXPECT_EQ(Edit("Edit3")->selectedText(), "123");
  clipboard->clear();
  Press("Edit3", Qt::Key_C, Qt::ControlModifier, QString(QChar(0x03)));
  EXPECT_EQ(clipboard->text(), "123");
  Edit("Edit3")->setText("45");
  Press("Edit3", Qt::Key_A, Qt::ControlModifier, QString(QChar(0x01)));
  Press("Edit3", Qt::Key_X, Qt::ControlModifier, QString(QChar(0x18)));
  EXPECT_EQ(Edit("Edit3")->text(), "");
  EXPECT_EQ(clipboard->text(), "45");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();

  Edit("Edit3")->setText("9");
  Press("Edit3", Qt::Key_A, Qt::ControlModifier, QString(QChar(0x01)));
  clipboard->setText("1a-2 x\t3");
  Press("Edit3", Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  EXPECT_EQ(Edit("Edit3")->text(), "123");
  clipboard->setText("no digits");
  Press("Edit3", Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  Press("Edit3", Qt::Key_Insert, Qt::ShiftModifier, QString());
  EXPECT_EQ(Edit("Edit3")->text(), "123");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(NumericFieldTest, KeyDownClampsBeforeTheKeyTakesEffect) {
  Edit("Edit1")->setText("999");
  TypeText("Edit1", "x");
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  Edit("Edit1")->setText("999");
  TypeText("Edit1", "5");  // clamped first, so the field is full when the digit arrives
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  Edit("Edit1")->setText("300");
  Type("Edit1", Qt::Key_Return, "\r");  // Enter only clamps
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  EXPECT_EQ(window->state().ScreenRecordOffset, 0);

  struct Case {
    const char* field;
    const char* typed;
    const char* clamped;
  };
  for (const Case& c : {Case{"pal1", "300", "256"}, Case{"pal2", "300", "256"}, Case{"Edit3", "250", "191"},
                        Case{"Edit5", "250", "191"}, Case{"Edit6", "999", "191"}, Case{"Edit7", "192", "191"},
                        Case{"Edit8", "250", "191"}, Case{"Startscreen", "129", "128"},
                        Case{"Startscreen", "0", "1"}, Case{"Endscreen", "200", "128"},
                        Case{"Endscreen", "0", "1"}, Case{"Edit3", "0", "0"}, Case{"pal1", "256", "256"}}) {
    Edit(c.field)->setText(c.typed);
    Type(c.field, Qt::Key_Left);
    EXPECT_EQ(Edit(c.field)->text(), c.clamped) << c.field << " " << c.typed;
  }
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(NumericFieldTest, MouseMoveClamps) {
  Edit("Edit1")->setText("999");
  MoveMouseOver("Edit1");
  EXPECT_EQ(Edit("Edit1")->text(), "128");
  Edit("Edit1")->setText("0");
  MoveMouseOver("Edit1");
  EXPECT_EQ(Edit("Edit1")->text(), "1");
  Edit("pal2")->setText("300");
  MoveMouseOver("pal2");
  EXPECT_EQ(Edit("pal2")->text(), "256");
  Edit("Edit8")->setText("250");
  MoveMouseOver("Edit8");
  EXPECT_EQ(Edit("Edit8")->text(), "191");

  // The end-screen field keeps a 0 ("no end screen") and passes over empty text.
  Edit("Endscreen")->setText("0");
  MoveMouseOver("Endscreen");
  EXPECT_EQ(Edit("Endscreen")->text(), "0");
  Edit("Endscreen")->setText("-5");
  MoveMouseOver("Endscreen");
  EXPECT_EQ(Edit("Endscreen")->text(), "1");
  Edit("Endscreen")->setText("300");
  MoveMouseOver("Endscreen");
  EXPECT_EQ(Edit("Endscreen")->text(), "128");
  Edit("Endscreen")->setText("");
  MoveMouseOver("Endscreen");
  EXPECT_EQ(Edit("Endscreen")->text(), "");
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
}

TEST_F(NumericFieldTest, EmptyFieldReportsTheConversionOnEveryEvent) {
  Edit("Edit3")->setText("");
  Type("Edit3", Qt::Key_5, "5");
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
  EXPECT_EQ(dialogs.messages.size(), 1);
  Edit("Edit1")->setText("");
  MoveMouseOver("Edit1");
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(LastMessage(), "'' is not a valid integer value.");
  Edit("Endscreen")->setText("");
  Type("Endscreen", Qt::Key_Left);
  EXPECT_EQ(dialogs.messages.size(), 3);
}

}  // namespace
}  // namespace quelbrook::testing
