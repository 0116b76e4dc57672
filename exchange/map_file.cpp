#include "map_file.h"

#include "count_text.h"
#include "hex_text.h"

namespace quelbrook {

namespace {
constexpr const char* kMapKind = "map";
constexpr int kCountLines = 2;

// The count lines are read as numbers: blanks around the digits are allowed.
std::string Trimmed(const std::string& text) {
  auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
}  // namespace

std::string WriteMapFile(const MapFile& codes) {
  std::vector<std::string> lines{std::to_string(kTileCount), "1"};
  lines.insert(lines.end(), codes.begin(), codes.end());
  return JoinLines(lines);
}

ReadResult<MapFile> ReadMapFile(const std::string& content) {
  ReadResult<MapFile> result;
  auto lines = SplitLines(content);
  const std::size_t needed = kCountLines + kTileCount;
  if (lines.size() < needed) {
    result.error = LineError(kMapKind, lines.size() + 1,
                             "is missing: the file has " + CountText(lines.size(), "line") + ", a map has " +
                                 std::to_string(needed));
    return result;
  }
  if (Trimmed(lines[0]) != "48") {
    result.error = LineError(kMapKind, 1, "should hold the column count 48");
    return result;
  }
  if (Trimmed(lines[1]) != "1") {
    result.error = LineError(kMapKind, 2, "should hold the row count 1");
    return result;
  }
  for (int i = 0; i < kTileCount; ++i) {
    const std::string& line = lines[kCountLines + i];
    if (!IsByteHexText(line)) {
      result.error =
          LineError(kMapKind, kCountLines + i + 1, "is not a tile code of one or two hexadecimal digits");
      return result;
    }
    result.values[i] = IntToHexText(HexTextToInt(line));
  }
  result.ok = true;
  return result;
}

}  // namespace quelbrook
