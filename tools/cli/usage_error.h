#pragma once
// A call whose words are off: wrong count, an unknown field, a value out of range.
// The tool answers it with the command's usage and exit code 2.

#include <stdexcept>
#include <string>

namespace quelbrook::cli {

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace quelbrook::cli
