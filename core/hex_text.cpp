#include "hex_text.h"

namespace quelbrook {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
bool IsHexDigit(char upper) { return (upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'F'); }
}  // namespace

std::string IntToHexText(std::int32_t value) {
  if (value <= 0) return "0";
  std::string text;
  auto rest = static_cast<std::uint32_t>(value);
  while (rest != 0) {
    text.insert(text.begin(), kDigits[rest & 0xF]);
    rest >>= 4;
  }
  return text;
}

std::uint8_t HexDigitValue(char ch) {
  for (std::uint8_t i = 0; i < 16; ++i)
    if (kDigits[i] == ch) return i;
  return 0;
}

std::int32_t HexTextToInt(const std::string& text) {
  // Accumulate unsigned so that over-long texts wrap instead of overflowing.
  std::uint32_t sum = 0;
  for (char ch : text) {
    char upper = AsciiUpper(ch);
    if (!IsHexDigit(upper)) return 0;
    sum = (sum << 4) | HexDigitValue(upper);
  }
  return static_cast<std::int32_t>(sum);
}

bool IsByteHexText(const std::string& text) {
  if (text.empty() || text.size() > 2) return false;
  for (char ch : text)
    if (!IsHexDigit(AsciiUpper(ch))) return false;
  return true;
}

}  // namespace quelbrook
