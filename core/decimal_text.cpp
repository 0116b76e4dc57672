#include "decimal_text.h"

#include <limits>

#include "editor_error.h"

namespace quelbrook {

int StrToInt(const std::string& text) {
  const auto invalid = [&text] { return EditorError(messages::NotAValidInteger(text)); };
  bool negative = false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) throw invalid();
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch < '0' || ch > '9') throw invalid();
    value = value * 10 + (ch - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) throw invalid();
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int>::max()) throw invalid();
  return static_cast<int>(value);
}

}  // namespace quelbrook
