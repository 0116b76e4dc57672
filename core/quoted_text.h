#pragma once
// Game texts on a terminal: ASCII as it is, every other character (the bytes outside the
// game's alphabet) as a \uXXXX escape, so that output stays plain and valid JSON.

#include <string>

namespace quelbrook {

// The escaped characters without the quotes around them (map properties hold these).
std::string EscapedText(const std::u16string& text);
// In double quotes, with " and \ escaped as well.
std::string QuotedText(const std::u16string& text);
// The reverse for a typed text: UTF-8, where \uXXXX stands for that character, a
// backslash before a backslash or a double quote for that character.
std::u16string UnescapedText(const std::string& typed);

}  // namespace quelbrook
