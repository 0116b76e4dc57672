#pragma once
// A rectangle of tile codes as the clipboard carries it, in plain text so that another
// running editor (or a text editor) can take it:
//   Quelbrook tiles 3x2
//   1F 00 A3
//   00 00 07
// and one whole screen record as "Quelbrook screen" and its 76 bytes in hexadecimal.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "screen_data.h"

namespace quelbrook {

struct TileBlock {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> codes;  // row by row
  std::uint8_t at(int column, int row) const { return codes[static_cast<std::size_t>(row * width + column)]; }
};

QString TileBlockText(const TileBlock& block);
// Nothing for text that is not a well-formed block.
std::optional<TileBlock> ParseTileBlock(const QString& text);

QString ScreenRecordText(const RecordBytes& record);
inline const char* const kNoScreenOnClipboard = "The clipboard holds no screen: copy one first";
std::optional<RecordBytes> ParseScreenRecordText(const QString& text);

}  // namespace quelbrook
