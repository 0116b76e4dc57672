#pragma once
// Decimal numbers held as field text.

#include <QString>

#include "decimal_text.h"

namespace quelbrook {

// Optional sign and decimal digits; fails with "'<text>' is not a valid integer value".
inline int StrToInt(const QString& text) { return StrToInt(text.toStdString()); }

// The message the general error handler shows: a full stop is appended when the
// text's last character sorts above it.
QString ErrorMessageText(const QString& text);

}  // namespace quelbrook
