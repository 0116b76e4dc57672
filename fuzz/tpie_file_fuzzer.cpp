// Any bytes as a .tpie file: the reader either refuses with a message or gives
// values the game can hold, which export writes and import reads back unchanged.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "text_codec.h"
#include "tpie_file.h"

namespace {

using quelbrook::fuzzing::Check;

bool IsDecimal(const std::string& text) {
  if (text.empty() || text.size() > 3) return false;
  for (char ch : text)
    if (ch < '0' || ch > '9') return false;
  return true;
}

bool IsEditorCode(const std::string& code) {
  if (code.empty() || code.size() > 2) return false;
  if (code.size() == 2 && code[0] == '0') return false;
  for (char ch : code)
    if (!((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))) return false;
  return true;
}

bool SameValues(const quelbrook::TpieFile& a, const quelbrook::TpieFile& b) {
  return a.message == b.message && a.palette1 == b.palette1 && a.palette2 == b.palette2 &&
         a.itemDestination == b.itemDestination && a.enemyDestinations == b.enemyDestinations &&
         a.enemyKinds == b.enemyKinds && a.itemCode == b.itemCode;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const auto result = quelbrook::ReadTpieFile(content);
  if (!result.ok) {
    Check(!result.error.empty(), "a refused .tpie file comes without a message");
    return 0;
  }
  const auto& values = result.values;
  Check(values.message.size() <= 16, "message longer than 16 characters");
  Check(!quelbrook::FindUnencodable(values.message), "message holds a character without a byte");
  Check(quelbrook::EncodeText(values.message, 16).has_value(), "message cannot be encoded");
  for (const auto* number : {&values.palette1, &values.palette2, &values.itemDestination})
    Check(IsDecimal(*number), "number field '" + *number + "'");
  for (const auto& number : values.enemyDestinations)
    Check(IsDecimal(number), "destination '" + number + "'");
  for (const auto& code : values.enemyKinds) Check(IsEditorCode(code), "enemy kind '" + code + "'");
  Check(IsEditorCode(values.itemCode), "item code '" + values.itemCode + "'");
  const auto again = quelbrook::ReadTpieFile(quelbrook::WriteTpieFile(values));
  Check(again.ok && SameValues(again.values, values), "an imported .tpie does not survive export and import");
  return 0;
}
