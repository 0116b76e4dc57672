#pragma once
// The game's one-byte character code of screen messages and the ending text.
// Characters are UTF-16 code units so that the window can show them directly.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quelbrook {

// The 48 characters of the table, indexed by nothing: use the functions below.
struct TextCharEntry {
  std::uint8_t byte;
  char16_t character;
};
extern const TextCharEntry TextCharTable[48];

// Bytes outside the table decode to a private-use character of their own, so that
// decoding never shifts a text and encoding gives every byte back.
constexpr char16_t kForeignByteBase = 0xE000;

char16_t DecodeTextByte(std::uint8_t byte);
// The byte of a table character or of a foreign-byte character; nothing otherwise.
std::optional<std::uint8_t> EncodeTextChar(char16_t character);

std::u16string DecodeText(const std::vector<std::uint8_t>& bytes);

// The characters of the table but the space, in byte order: the fields' hint.
std::u16string TextAlphabetHint();

// First position (0-based) of a character that has no byte, if any.
std::optional<std::size_t> FindUnencodable(const std::u16string& text);

// The user's message for the character at `position` that has no byte; `what` names
// the text ("screen message", "ending text").
std::string UnencodableTextMessage(const std::string& what, const std::u16string& text, std::size_t position);
// Fails with that message (an EditorError) on the first character that has no byte.
void RequireEncodable(const std::string& what, const std::u16string& text);

// Encodes exactly `length` positions; positions past the end of the text are spaces.
// Fails (nothing returned) when a character has no byte.
std::optional<std::vector<std::uint8_t>> EncodeText(const std::u16string& text, std::size_t length);

}  // namespace quelbrook
