#pragma once
// The .tpie side file: message, palettes, destinations, enemy kinds and item code of
// one screen, each line the text of one field.

#include <array>
#include <string>

#include "byte_map.h"
#include "side_file_lines.h"

namespace quelbrook {

struct TpieFile {
  std::u16string message;
  std::string palette1, palette2;
  std::string itemDestination;
  std::array<std::string, kEnemyCount> enemyDestinations;
  std::array<std::string, kEnemyCount> enemyKinds;
  std::string itemCode;
};

constexpr int kTpieLineCount = 13;

std::string WriteTpieFile(const TpieFile& values);
// Refuses anything export would not write; codes come back in the editor's form.
ReadResult<TpieFile> ReadTpieFile(const std::string& content);

}  // namespace quelbrook
