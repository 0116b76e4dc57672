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

std::vector<std::string> WordsBesideOptions(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string&, const OptionValue&)>& option) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const OptionValue value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(word + " needs a value");
      return args[++i];
    };
    if (word.size() <= 2 || word.compare(0, 2, "--") != 0)
      positional.push_back(word);
    else if (!option(word, value))
      throw UsageError("unknown option " + word);
  }
  return positional;
}

play::InputScript InputArgument(const std::string& text) {
  try {
    return play::InputScript::Parse(text);
  } catch (const EditorError& error) {
    throw UsageError(error.what());
  }
}

}  // namespace quelbrook::cli
