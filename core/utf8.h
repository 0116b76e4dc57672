#pragma once
// UTF-8 for side files: plain ASCII stays byte for byte, and the characters that
// stand for foreign game bytes survive a round trip.

#include <string>

namespace quelbrook {

std::string ToUtf8(const std::u16string& text);
// Invalid UTF-8 is read as Latin-1, byte by byte, so no input is lost.
std::u16string FromUtf8(const std::string& bytes);

}  // namespace quelbrook
