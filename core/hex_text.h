#pragma once
// Numbers as the upper-case hexadecimal text the editor keeps in its fields and
// uses in picture file names ("graph/AF.bmp").

#include <cstdint>
#include <string>

namespace quelbrook {

// Upper case, no leading zeros, "0" for 0. Defined for 0 <= value < 16^7.
std::string IntToHexText(std::int32_t value);
// Position of ch in "0123456789ABCDEF"; 0 for anything else, lower case included.
std::uint8_t HexDigitValue(char ch);
// The text read as hexadecimal (a-f accepted); 0 when any character is not a digit.
std::int32_t HexTextToInt(const std::string& text);
// True when the text is one or two hexadecimal digits: a code that fits one byte.
bool IsByteHexText(const std::string& text);

}  // namespace quelbrook
