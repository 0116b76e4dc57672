#include "side_file_lines.h"

namespace quelbrook {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) content += line + "\r\n";
  return content;
}

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string LineError(const std::string& fileKind, std::size_t lineNumber, const std::string& problem) {
  return "This is not a " + fileKind + " file written by the editor: line " + std::to_string(lineNumber) +
         " " + problem;
}

bool IsDecimalOfAtMostThreeDigits(const std::string& text) {
  if (text.empty() || text.size() > 3) return false;
  for (char ch : text)
    if (ch < '0' || ch > '9') return false;
  return true;
}

}  // namespace quelbrook
