#include "record_fields.h"

#include "arguments.h"
#include "byte_map.h"
#include "destination.h"
#include "hex_text.h"
#include "item_catalogue.h"
#include "quoted_text.h"
#include "screen_value.h"
#include "text_codec.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
constexpr int kLastTileCode = 0xAF;  // the tile palette has 176 pictures
constexpr int kLastByte = 255;

std::vector<RecordField> MakeFields() {
  std::vector<RecordField> fields;
  for (int cell = 1; cell <= kTileCount; ++cell)
    fields.push_back(
        {"tile" + std::to_string(cell), kRecordTiles + cell - 1, FieldForm::kCode, kLastTileCode});
  fields.push_back({"item", kRecordItem, FieldForm::kCode, kItemKindCount - 1});
  fields.push_back({"item-destination", kRecordItemDestination, FieldForm::kDestination});
  fields.push_back({"message", kRecordMessage, FieldForm::kMessage, 0});
  for (int enemy = 1; enemy <= kEnemyCount; ++enemy) {
    const std::string prefix = "enemy" + std::to_string(enemy);
    fields.push_back(
        {prefix + "-kind", kRecordEnemyKinds + enemy - 1, FieldForm::kCode, kEnemyKindCount - 1});
    fields.push_back(
        {prefix + "-destination", kRecordEnemyDestinations + enemy - 1, FieldForm::kDestination});
  }
  fields.push_back({"palette1", kRecordPalette1, FieldForm::kNumber});
  fields.push_back({"palette2", kRecordPalette2, FieldForm::kNumber});
  return fields;
}

std::vector<std::uint8_t> MessageBytes(const std::string& value) {
  const std::u16string text = UnescapedText(value);
  if (text.size() > static_cast<std::size_t>(kMessageLength))
    throw UsageError("the message " + QuotedText(text) + " has " + std::to_string(text.size()) +
                     " characters; at most 16 fit");
  if (auto bad = FindUnencodable(text))
    throw UsageError(UnencodableTextMessage("screen message", text, *bad));
  return *EncodeText(text, kMessageLength);
}
}  // namespace

const std::vector<RecordField>& RecordFields() {
  static const std::vector<RecordField> fields = MakeFields();
  return fields;
}

const RecordField* FindRecordField(const std::string& name) {
  for (const auto& field : RecordFields())
    if (field.name == name) return &field;
  return nullptr;
}

std::vector<std::uint8_t> FieldBytes(const RecordField& field, const std::string& value) {
  switch (field.form) {
    case FieldForm::kCode:
      return {CodeArgument(value, field.name)};
    case FieldForm::kDestination:
    case FieldForm::kNumber:
      return {static_cast<std::uint8_t>(DecimalArgument(value, 0, kLastByte, field.name))};
    case FieldForm::kMessage:
      break;
  }
  return MessageBytes(value);
}

std::string FieldNote(const RecordField& field, std::uint8_t byte) {
  if (field.form == FieldForm::kCode && byte > field.lastPictured)
    return "No picture, drawn as a placeholder: " + field.name + " " + IntToHexText(byte);
  if (field.form == FieldForm::kDestination && byte > kLastDestination)
    return "Off the 16 x 12 grid: " + field.name + " " + std::to_string(byte) +
           (byte == kUnsetDestination ? ", shown at 0" : ", not shown");
  return {};
}

}  // namespace quelbrook::cli
