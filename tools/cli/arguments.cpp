#include "arguments.h"

#include <algorithm>

#include "byte_map.h"
#include "count_text.h"
#include "editor_error.h"
#include "hex_text.h"
#include "usage_error.h"

namespace quelbrook::cli {

void RequireArgumentCount(const std::vector<std::string>& args, std::size_t count) {
  if (args.size() != count)
    throw UsageError("expected " + CountText(count, "argument") + ", got " + std::to_string(args.size()));
}

int ScreenArgument(const std::string& text) {
  return DecimalArgument(text, 1, kScreenCount, "screen number");
}

int DecimalArgument(const std::string& text, int min, int max, const std::string& what) {
  const std::string range = " (" + std::to_string(min) + " to " + std::to_string(max) + ")";
  // Four digits already exceed every field, and no more digits than the largest value has
  // can overflow.
  const std::size_t mostDigits = std::max<std::size_t>(4, std::to_string(max).size());
  if (text.empty() || text.size() > mostDigits || text.find_first_not_of("0123456789") != std::string::npos)
    throw UsageError(what + " '" + text + "' is not a decimal number" + range);
  const int value = std::stoi(text);
  if (value < min || value > max) throw UsageError(what + " " + text + " is out of range" + range);
  return value;
}

std::uint8_t CodeArgument(const std::string& text, const std::string& what) {
  if (!IsByteHexText(text))
    throw UsageError(what + " '" + text + "' is not one or two hexadecimal digits (0 to FF)");
  return static_cast<std::uint8_t>(HexTextToInt(text));
}

play::InputScript InputArgument(const std::string& text) {
  try {
    return play::InputScript::Parse(text);
  } catch (const EditorError& error) {
    throw UsageError(error.what());
  }
}

}  // namespace quelbrook::cli
