#include "tpie_file.h"

#include "count_text.h"
#include "hex_text.h"
#include "text_codec.h"
#include "utf8.h"

namespace quelbrook {

namespace {
constexpr const char* kTpieKind = "Text/Palette/Item/Enemies";

// The fields in file order, so that writing and reading cannot disagree.
enum class LineKind { kMessage, kNumber, kCode };
struct LineSlot {
  LineKind kind;
  std::string TpieFile::*text;
  std::array<std::string, kEnemyCount> TpieFile::*array;
  int index;
};

const std::array<LineSlot, kTpieLineCount - 1> kSlots{{
    {LineKind::kNumber, &TpieFile::palette1, nullptr, 0},
    {LineKind::kNumber, &TpieFile::palette2, nullptr, 0},
    {LineKind::kNumber, &TpieFile::itemDestination, nullptr, 0},
    {LineKind::kNumber, nullptr, &TpieFile::enemyDestinations, 0},
    {LineKind::kNumber, nullptr, &TpieFile::enemyDestinations, 1},
    {LineKind::kNumber, nullptr, &TpieFile::enemyDestinations, 2},
    {LineKind::kNumber, nullptr, &TpieFile::enemyDestinations, 3},
    {LineKind::kCode, nullptr, &TpieFile::enemyKinds, 0},
    {LineKind::kCode, nullptr, &TpieFile::enemyKinds, 1},
    {LineKind::kCode, nullptr, &TpieFile::enemyKinds, 2},
    {LineKind::kCode, nullptr, &TpieFile::enemyKinds, 3},
    {LineKind::kCode, &TpieFile::itemCode, nullptr, 0},
}};

std::string& Field(TpieFile& values, const LineSlot& slot) {
  return slot.text ? values.*slot.text : (values.*slot.array)[slot.index];
}
}  // namespace

std::string WriteTpieFile(const TpieFile& values) {
  std::vector<std::string> lines{ToUtf8(values.message)};
  TpieFile copy = values;
  for (const auto& slot : kSlots) lines.push_back(Field(copy, slot));
  return JoinLines(lines);
}

ReadResult<TpieFile> ReadTpieFile(const std::string& content) {
  ReadResult<TpieFile> result;
  auto lines = SplitLines(content);
  if (lines.size() < static_cast<std::size_t>(kTpieLineCount)) {
    result.error = LineError(kTpieKind, lines.size() + 1,
                             "is missing: the file has " + CountText(lines.size(), "line") + ", it needs 13");
    return result;
  }
  std::u16string message = FromUtf8(lines[0]);
  if (message.size() > static_cast<std::size_t>(kMessageLength)) {
    result.error = LineError(kTpieKind, 1, "holds a message longer than 16 characters");
    return result;
  }
  if (auto bad = FindUnencodable(message)) {
    result.error = LineError(kTpieKind, 1,
                             "holds the character '" + ToUtf8(message.substr(*bad, 1)) + "' at position " +
                                 std::to_string(*bad + 1) + ", which the game cannot show");
    return result;
  }
  result.values.message = message;
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const auto& line = lines[i + 1];
    const auto& slot = kSlots[i];
    if (slot.kind == LineKind::kNumber && !IsDecimalOfAtMostThreeDigits(line)) {
      result.error = LineError(kTpieKind, i + 2, "is not a number of one to three digits");
      return result;
    }
    if (slot.kind == LineKind::kCode && !IsByteHexText(line)) {
      result.error = LineError(kTpieKind, i + 2, "is not a code of one or two hexadecimal digits");
      return result;
    }
    Field(result.values, slot) = slot.kind == LineKind::kCode ? IntToHexText(HexTextToInt(line)) : line;
  }
  result.ok = true;
  return result;
}

}  // namespace quelbrook
