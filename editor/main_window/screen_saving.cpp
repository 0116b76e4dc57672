// Save screen: the shown screen value becomes the 76 bytes of the record last reloaded.
#include <QLineEdit>

#include "byte_map.h"
#include "editor_error.h"
#include "form1.h"
#include "rom_patch.h"
#include "screen_value.h"

namespace quelbrook {

void TForm1::RequireLocatedRecord() const {
  if (!state_.recordLocated || state_.romPath.empty())
    throw EditorError("There is no loaded screen to save into: reload the screen first");
}

int TForm1::ShownScreenNumber() const {
  return (state_.ScreenRecordOffset - kScreenRecordBase) / kScreenStride;
}

std::string TForm1::SaveScreenWords() const { return "Save screen " + std::to_string(ShownScreenNumber()); }

void TForm1::Button5Click() { SaveShownScreen(SaveScreenWords()); }

void TForm1::SaveShownScreen(const std::string& words) {
  RequireLocatedRecord();
  // Every field is converted before the file is touched, so a save is all or nothing.
  QLineEdit* message = controls_.Edit2;
  // The field is padded in place once the conversions get to it.
  const RecordBytes record = RecordOf(ShownScreenValue(), [message] {
    message->setText(message->text().leftJustified(kMessageLength, ' '));
  });
  WriteRom({{state_.ScreenRecordOffset, {record.begin(), record.end()}}}, words);
  MarkClean();
}

}  // namespace quelbrook
