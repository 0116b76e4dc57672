#pragma once
// Runs a piece of a test in a child process without root's right to ignore file
// modes, so that a read-only file is read-only for it too.

#include <functional>
#include <optional>
#include <string>

namespace quelbrook::testing {

// The text the function returns, or nothing when no unprivileged child could be made.
std::optional<std::string> RunUnprivileged(const std::function<std::string()>& body);

}  // namespace quelbrook::testing
