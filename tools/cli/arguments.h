#pragma once
// Reading the words of a call; each function throws UsageError naming what is wrong.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "input_script.h"

namespace quelbrook::cli {

void RequireArgumentCount(const std::vector<std::string>& args, std::size_t count);
// A screen number 1..128.
int ScreenArgument(const std::string& text);
// Plain decimal digits in min..max.
int DecimalArgument(const std::string& text, int min, int max, const std::string& what);
// One or two hexadecimal digits as the window writes codes: any byte.
std::uint8_t CodeArgument(const std::string& text, const std::string& what);
// Walks a call whose options may stand anywhere: `option` is called for each --NAME with a
// function that takes the word after it as its value, and returns false for a name it does
// not know. Returns the other words in order.
using OptionValue = std::function<const std::string&()>;
std::vector<std::string> WordsBesideOptions(
    const std::vector<std::string>& args,
    const std::function<bool(const std::string&, const OptionValue&)>& option);
// A pad script such as "right:60-119,a:130".
play::InputScript InputArgument(const std::string& text);

}  // namespace quelbrook::cli
