#include "number_text.h"

#include <limits>

#include "editor_error.h"

namespace quelbrook {

int StrToInt(const QString& text) {
  bool negative = false;
  int i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) throw EditorError(messages::NotAValidInteger(text.toStdString()));
  long long value = 0;
  for (; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch < '0' || ch > '9') throw EditorError(messages::NotAValidInteger(text.toStdString()));
    value = value * 10 + (ch.unicode() - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
      throw EditorError(messages::NotAValidInteger(text.toStdString()));
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int>::max())
    throw EditorError(messages::NotAValidInteger(text.toStdString()));
  return static_cast<int>(value);
}

QString ErrorMessageText(const QString& text) {
  if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
  return text;
}

}  // namespace quelbrook
