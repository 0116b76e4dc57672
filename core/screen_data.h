#pragma once
// One screen's 76-byte record, decoded field by field.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_map.h"

namespace quelbrook {

struct ScreenData {
  std::array<std::uint8_t, kTileCount> tiles{};
  std::uint8_t itemCode = 0;
  std::uint8_t itemDestination = 0;
  std::u16string message;  // always kMessageLength characters
  std::array<std::uint8_t, kEnemyCount> enemyKinds{};
  std::array<std::uint8_t, kEnemyCount> enemyDestinations{};
  std::uint8_t palette1 = 0;
  std::uint8_t palette2 = 0;
};

using RecordBytes = std::array<std::uint8_t, kScreenRecordLength>;

ScreenData DecodeScreenRecord(const RecordBytes& bytes);
// Fails (an EditorError) only when the message holds a character without a byte.
RecordBytes EncodeScreenRecord(const ScreenData& screen);

}  // namespace quelbrook
