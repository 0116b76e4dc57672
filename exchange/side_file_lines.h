#pragma once
// The line discipline shared by .map and .tpie files: CR LF after every line when
// written; CR LF or LF when read.

#include <string>
#include <vector>

#include "editor_error.h"

namespace quelbrook {

std::string JoinLines(const std::vector<std::string>& lines);
std::vector<std::string> SplitLines(const std::string& content);

// What a reader gives back: the values, or the user's message naming the line.
template <typename Values>
struct ReadResult {
  bool ok = false;
  Values values{};
  std::string error;
};

// A reader's values, or its message as the failure of the operation that reads.
template <typename Values>
Values Accepted(const ReadResult<Values>& result) {
  if (!result.ok) throw EditorError(result.error);
  return result.values;
}

// A reader's failure with the user's message.
template <typename Values>
ReadResult<Values> FailedRead(const std::string& error) {
  ReadResult<Values> result;
  result.error = error;
  return result;
}

std::string LineError(const std::string& fileKind, std::size_t lineNumber, const std::string& problem);

bool IsDecimalOfAtMostThreeDigits(const std::string& text);

}  // namespace quelbrook
