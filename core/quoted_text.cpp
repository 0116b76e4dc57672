#include "quoted_text.h"

#include <cstdio>

#include "utf8.h"

namespace quelbrook {

namespace {
constexpr std::size_t kEscapeLength = 6;  // \uXXXX

int HexValue(char16_t ch) {
  if (ch >= u'0' && ch <= u'9') return ch - u'0';
  if (ch >= u'a' && ch <= u'f') return ch - u'a' + 10;
  if (ch >= u'A' && ch <= u'F') return ch - u'A' + 10;
  return -1;
}

// The character of the four digits after "\u" at `at`; -1 when they are not four digits.
long EscapedCharacter(const std::u16string& text, std::size_t at) {
  if (at + kEscapeLength > text.size() || text[at] != u'\\' || text[at + 1] != u'u') return -1;
  long value = 0;
  for (std::size_t k = 2; k < kEscapeLength; ++k) {
    const int digit = HexValue(text[at + k]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}
}  // namespace

std::string EscapedText(const std::u16string& text) {
  std::string out;
  for (char16_t ch : text) {
    if (ch == u'"' || ch == u'\\') {
      out += '\\';
      out += static_cast<char>(ch);
    } else if (ch >= 0x20 && ch < 0x7F) {
      out += static_cast<char>(ch);
    } else {
      char escape[kEscapeLength + 1];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(ch));
      out += escape;
    }
  }
  return out;
}

std::string QuotedText(const std::u16string& text) { return '"' + EscapedText(text) + '"'; }

std::u16string UnescapedText(const std::string& typed) {
  const std::u16string text = FromUtf8(typed);
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'\\' || text[i + 1] == u'"')) {
      out += text[i + 1];
      ++i;
    } else if (const long escaped = EscapedCharacter(text, i); escaped >= 0) {
      out += static_cast<char16_t>(escaped);
      i += kEscapeLength - 1;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace quelbrook
