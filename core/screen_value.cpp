#include "screen_value.h"

#include "decimal_text.h"
#include "hex_text.h"
#include "text_codec.h"

namespace quelbrook {

namespace {
std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t CodeByte(const std::string& text) { return LowByte(HexTextToInt(text)); }
std::uint8_t NumberByte(const std::string& text) { return LowByte(StrToInt(text)); }
std::string NumberText(int value) { return std::to_string(value); }
}  // namespace

ScreenValue::ScreenValue() {
  tileCodes.fill("0");
  enemyKinds.fill("0");
  enemyDestinations.fill("0");
}

bool ScreenValue::operator==(const ScreenValue& other) const {
  return tileCodes == other.tileCodes && itemCode == other.itemCode &&
         itemDestination == other.itemDestination && message == other.message &&
         enemyKinds == other.enemyKinds && enemyDestinations == other.enemyDestinations &&
         palette1 == other.palette1 && palette2 == other.palette2;
}

ScreenValue ScreenValueOf(const ScreenData& screen) {
  ScreenValue value;
  for (int cell = 0; cell < kTileCount; ++cell) value.tileCodes[cell] = IntToHexText(screen.tiles[cell]);
  value.itemCode = IntToHexText(screen.itemCode);
  value.itemDestination = NumberText(ShownDestination(screen.itemDestination));
  value.message = screen.message;
  for (int enemy = 0; enemy < kEnemyCount; ++enemy) {
    value.enemyKinds[enemy] = IntToHexText(screen.enemyKinds[enemy]);
    value.enemyDestinations[enemy] = NumberText(ShownDestination(screen.enemyDestinations[enemy]));
  }
  value.palette1 = NumberText(screen.palette1);
  value.palette2 = NumberText(screen.palette2);
  return value;
}

std::u16string RecordMessage(const std::u16string& typed) {
  std::u16string message = typed.substr(0, kMessageLength);
  message.resize(kMessageLength, u' ');
  return message;
}

RecordBytes RecordOf(const ScreenValue& value, const std::function<void()>& messageReached) {
  ScreenData screen;
  for (int cell = 0; cell < kTileCount; ++cell) screen.tiles[cell] = CodeByte(value.tileCodes[cell]);
  screen.itemCode = CodeByte(value.itemCode);
  screen.itemDestination = NumberByte(value.itemDestination);
  if (messageReached) messageReached();
  screen.message = RecordMessage(value.message);
  RequireEncodable("screen message", screen.message);
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    screen.enemyKinds[enemy] = CodeByte(value.enemyKinds[enemy]);
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    screen.enemyDestinations[enemy] = NumberByte(value.enemyDestinations[enemy]);
  screen.palette1 = NumberByte(value.palette1);
  screen.palette2 = NumberByte(value.palette2);
  return EncodeScreenRecord(screen);
}

}  // namespace quelbrook
