// Any bytes as a .map file: the reader either refuses with a message or gives 48
// codes in the editor's form that export writes and import reads back unchanged.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "map_file.h"

namespace {

using quelbrook::fuzzing::Check;

bool IsEditorCode(const std::string& code) {
  if (code.empty() || code.size() > 2) return false;
  if (code.size() == 2 && code[0] == '0') return false;  // the editor writes no leading zero
  for (char ch : code)
    if (!((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  const auto result = quelbrook::ReadMapFile(content);
  if (!result.ok) {
    Check(!result.error.empty(), "a refused .map file comes without a message");
    return 0;
  }
  Check(result.error.empty(), "an accepted .map file comes with a message");
  Check(result.values.size() == 48, "not 48 tile codes");
  for (const auto& code : result.values) Check(IsEditorCode(code), "tile code '" + code + "'");
  const auto again = quelbrook::ReadMapFile(quelbrook::WriteMapFile(result.values));
  Check(again.ok && again.values == result.values, "an imported .map does not survive export and import");
  return 0;
}
