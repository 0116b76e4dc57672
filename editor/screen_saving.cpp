// Save screen: the view's texts become the 76 bytes of the record last reloaded.
#include <QLineEdit>

#include "byte_map.h"
#include "editor_error.h"
#include "form1.h"
#include "hex_text.h"
#include "object_controls.h"
#include "rom_patch.h"
#include "text_codec.h"
#include "tile_code_table.h"

namespace quelbrook {

namespace {
std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
}  // namespace

void TForm1::RequireLocatedRecord() const {
  if (!state_.recordLocated || state_.romPath.empty())
    throw EditorError("There is no loaded screen to save into: reload the screen first");
}

std::vector<std::uint8_t> TForm1::RecordFromView(bool padMessageField) {
  std::vector<std::uint8_t> record;
  record.reserve(kScreenRecordLength);
  for (int cell = 0; cell < kTileCount; ++cell) {
    record.push_back(LowByte(HexTextToInt(tileTable()->text(cell).toStdString())));
  }
  record.push_back(LowByte(HexTextToInt(edit("itemnumber")->text().toStdString())));
  record.push_back(LowByte(numberIn("Edit3")));

  QLineEdit* message = edit("Edit2");
  const QString padded = message->text().leftJustified(kMessageLength, ' ');
  if (padMessageField) message->setText(padded);
  const std::u16string shown = padded.left(kMessageLength).toStdU16String();
  if (auto bad = FindUnencodable(shown))
    throw EditorError(UnencodableTextMessage("screen message", shown, *bad));
  const auto messageBytes = EncodeText(shown, kMessageLength);
  record.insert(record.end(), messageBytes->begin(), messageBytes->end());

  for (int enemy = 1; enemy <= kEnemyCount; ++enemy)
    record.push_back(LowByte(HexTextToInt(edit(kObjects[enemy].kindField)->text().toStdString())));
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy)
    record.push_back(LowByte(numberIn(kObjects[enemy].destinationField)));
  record.push_back(LowByte(numberIn("pal1")));
  record.push_back(LowByte(numberIn("pal2")));
  return record;
}

void TForm1::Button5Click() {
  RequireLocatedRecord();
  // Every field is converted before the file is touched, so a save is all or nothing.
  WriteRom({{state_.ScreenRecordOffset, RecordFromView(true)}});
  MarkClean();
}

}  // namespace quelbrook
