#include "screen_side_files.h"

#include "byte_map.h"
#include "hex_text.h"
#include "text_codec.h"

namespace quelbrook::cli {

namespace {
// The window shows a destination of 255 as 0, and its export writes what it shows.
constexpr int kHiddenDestination = 255;

std::string DestinationText(std::uint8_t destination) {
  return std::to_string(destination == kHiddenDestination ? 0 : destination);
}

// Saving keeps the low 8 bits of a number, as the window's Save screen does.
std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t CodeByte(const std::string& text) { return LowByte(HexTextToInt(text)); }
std::uint8_t NumberByte(const std::string& text) { return LowByte(std::stoi(text)); }
}  // namespace

TileCodeTexts MapTextsOf(const ScreenData& screen) {
  TileCodeTexts codes;
  for (int i = 0; i < kTileCount; ++i) codes[i] = IntToHexText(screen.tiles[i]);
  return codes;
}

TpieValues TpieTextsOf(const ScreenData& screen) {
  TpieValues values;
  values.message = screen.message;
  values.palette1 = std::to_string(screen.palette1);
  values.palette2 = std::to_string(screen.palette2);
  values.itemDestination = DestinationText(screen.itemDestination);
  for (int i = 0; i < kEnemyCount; ++i) {
    values.enemyDestinations[i] = DestinationText(screen.enemyDestinations[i]);
    values.enemyKinds[i] = IntToHexText(screen.enemyKinds[i]);
  }
  values.itemCode = IntToHexText(screen.itemCode);
  return values;
}

BytePatch TilePatch(int screen, const TileCodeTexts& codes) {
  BytePatch patch{ScreenRecordOffset(screen) + kRecordTiles, {}};
  for (const auto& code : codes) patch.bytes.push_back(CodeByte(code));
  return patch;
}

BytePatch TpiePatch(int screen, const TpieValues& values) {
  // Item code up to palette 2 is one stretch of the record, written in record order.
  BytePatch patch{ScreenRecordOffset(screen) + kRecordItem, {}};
  auto& bytes = patch.bytes;
  bytes.push_back(CodeByte(values.itemCode));
  bytes.push_back(NumberByte(values.itemDestination));
  const auto message = EncodeText(values.message, kMessageLength);
  bytes.insert(bytes.end(), message.value().begin(), message.value().end());
  for (const auto& kind : values.enemyKinds) bytes.push_back(CodeByte(kind));
  for (const auto& destination : values.enemyDestinations) bytes.push_back(NumberByte(destination));
  bytes.push_back(NumberByte(values.palette1));
  bytes.push_back(NumberByte(values.palette2));
  return patch;
}

}  // namespace quelbrook::cli
