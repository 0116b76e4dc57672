#pragma once
// Decimal numbers held as field text.

#include <QString>

namespace quelbrook {

// Optional sign and decimal digits; fails with "'<text>' is not a valid integer value".
int StrToInt(const QString& text);

// The message the general error handler shows: a full stop is appended when the
// text's last character sorts above it.
QString ErrorMessageText(const QString& text);

}  // namespace quelbrook
