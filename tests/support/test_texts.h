#pragma once
// Texts as the readers and patchers under test take them.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook::testing {

// Lines as a file holds them, each ended by `end`.
inline std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
  std::string content;
  for (const auto& line : lines) content += line + end;
  return content;
}

// A text's characters as a file's bytes.
inline std::vector<std::uint8_t> Text(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

}  // namespace quelbrook::testing
