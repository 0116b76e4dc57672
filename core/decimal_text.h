#pragma once
// Decimal numbers held as field text.

#include <string>

namespace quelbrook {

// Optional sign and decimal digits; fails with "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);

}  // namespace quelbrook
