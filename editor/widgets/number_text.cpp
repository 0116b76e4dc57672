#include "number_text.h"

namespace quelbrook {

QString ErrorMessageText(const QString& text) {
  if (!text.isEmpty() && text.back() > QChar('.')) return text + '.';
  return text;
}

}  // namespace quelbrook
