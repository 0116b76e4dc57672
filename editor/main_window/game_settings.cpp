// The game-wide settings: start screen, end screen and ending text.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "byte_map.h"
#include "end_screen_patch.h"
#include "field_clamp.h"
#include "form1.h"
#include "number_text.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "text_codec.h"

namespace quelbrook {

namespace {
const char* const kEndScreenQuestion =
    "This operation will write the End data\r\nin chosen End screen. The Previous End\r\nscreen will is "
    "refined. "
    "Continue?";
}  // namespace

void TForm1::Button37Click() {
  QLineEdit* field = controls_.Startscreen;
  ClampField(field, kScreenCount, 1, 1);
  const int screen = StrToInt(field->text());
  WriteRom({{kStartScreenOffset, {EncodeStartScreenByte(screen)}}},
           "Set start screen " + std::to_string(screen));
}

void TForm1::Button40Click() {
  QLineEdit* field = controls_.Endscreen;
  ClampField(field, kScreenCount, 1, 0);
  if (field->text() == "0") {
    dialogs_->message(QApplication::applicationName(), "Select End screen!");
  } else {
    const int screen = StrToInt(field->text());
    // Refused screens and the whole patch are settled before the question and the file.
    const auto patches = PlanEndScreenSave(screen, state_.PreviousEndCodeOffset);
    if (!dialogs_->question("Attention!", kEndScreenQuestion)) return;
    state_.EndCodeOffset = EndCodeBlockOffset(screen);
    WriteRom(patches, "Set end screen " + std::to_string(screen));
    state_.PreviousEndCodeOffset = state_.EndCodeOffset;
  }
  if (field->text() == controls_.Edit1->text()) Button1Click();
}

void TForm1::Button41Click() {
  const std::u16string text = controls_.Memo1->toPlainText().left(kEndingTextLength).toStdU16String();
  RequireEncodable("ending text", text);
  WriteRom({{kEndingTextOffset, *EncodeText(text, kEndingTextLength)}}, "Save ending text");
}

bool TForm1::Memo1KeyPress(const QKeyEvent& key) const {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return true;
  // Typing stops at the region's length; replacing a selection is still typing.
  const bool typesCharacter = !key.text().isEmpty() && key.text()[0].isPrint();
  return typesCharacter && !controls_.Memo1->textCursor().hasSelection() &&
         controls_.Memo1->toPlainText().size() >= kEndingTextLength;
}

void TForm1::GameSettingsToggled(bool shown) {
  const Form1Controls& c = controls_;
  for (QWidget* control : std::initializer_list<QWidget*>{
           c.GameSettingsBacking, c.Label16, c.Button37, c.Button35, c.Startscreen, c.Button36, c.Label17,
           c.Button40, c.Button38, c.Endscreen, c.Button39, c.Memo1, c.Button41})
    control->setVisible(shown);
}

}  // namespace quelbrook
