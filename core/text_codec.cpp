#include "text_codec.h"

#include "editor_error.h"
#include "utf8.h"

namespace quelbrook {

const TextCharEntry TextCharTable[48] = {
    {0x00, u' '}, {0x30, u'0'}, {0x31, u'1'}, {0x32, u'2'},  {0x33, u'3'}, {0x34, u'4'}, {0x35, u'5'},
    {0x36, u'6'}, {0x37, u'7'}, {0x38, u'8'}, {0x39, u'9'},  {0x3A, u':'}, {0x3B, u'&'}, {0x3C, u','},
    {0x3D, u'.'}, {0x3E, u'!'}, {0x3F, u'?'}, {0x40, u'@'},  {0x41, u'A'}, {0x42, u'B'}, {0x43, u'C'},
    {0x44, u'D'}, {0x45, u'E'}, {0x46, u'F'}, {0x47, u'G'},  {0x48, u'H'}, {0x49, u'I'}, {0x4A, u'J'},
    {0x4B, u'K'}, {0x4C, u'L'}, {0x4D, u'M'}, {0x4E, u'N'},  {0x4F, u'O'}, {0x50, u'P'}, {0x51, u'Q'},
    {0x52, u'R'}, {0x53, u'S'}, {0x54, u'T'}, {0x55, u'U'},  {0x56, u'V'}, {0x57, u'W'}, {0x58, u'X'},
    {0x59, u'Y'}, {0x5A, u'Z'}, {0x5B, u'"'}, {0x5C, u'\''}, {0x5D, u'+'}, {0x5E, u'-'},
};

char16_t DecodeTextByte(std::uint8_t byte) {
  for (const auto& entry : TextCharTable)
    if (entry.byte == byte) return entry.character;
  return static_cast<char16_t>(kForeignByteBase + byte);
}

std::optional<std::uint8_t> EncodeTextChar(char16_t character) {
  for (const auto& entry : TextCharTable)
    if (entry.character == character) return entry.byte;
  if (character >= kForeignByteBase && character <= kForeignByteBase + 0xFF) {
    auto byte = static_cast<std::uint8_t>(character - kForeignByteBase);
    // A table byte always decodes to its table character, never to a foreign one.
    if (DecodeTextByte(byte) == character) return byte;
  }
  return std::nullopt;
}

std::u16string DecodeText(const std::vector<std::uint8_t>& bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (auto byte : bytes) text.push_back(DecodeTextByte(byte));
  return text;
}

std::u16string TextAlphabetHint() {
  std::u16string hint;
  for (const auto& entry : TextCharTable)
    if (entry.byte != 0x00) hint.push_back(entry.character);
  return hint;
}

std::optional<std::size_t> FindUnencodable(const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!EncodeTextChar(text[i])) return i;
  return std::nullopt;
}

std::string UnencodableTextMessage(const std::string& what, const std::u16string& text,
                                   std::size_t position) {
  return "The " + what + " cannot be saved: the character '" + ToUtf8(text.substr(position, 1)) +
         "' at position " + std::to_string(position + 1) +
         " is not in the game's alphabet (capitals, digits, space and the signs in the field's hint)";
}

void RequireEncodable(const std::string& what, const std::u16string& text) {
  if (auto bad = FindUnencodable(text)) throw EditorError(UnencodableTextMessage(what, text, *bad));
}

std::optional<std::vector<std::uint8_t>> EncodeText(const std::u16string& text, std::size_t length) {
  std::vector<std::uint8_t> bytes(length, 0x00);
  for (std::size_t i = 0; i < length && i < text.size(); ++i) {
    auto byte = EncodeTextChar(text[i]);
    if (!byte) return std::nullopt;
    bytes[i] = *byte;
  }
  return bytes;
}

}  // namespace quelbrook
