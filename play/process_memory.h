#pragma once
// How much memory a process keeps resident, as Linux reports it.

#include <cstdint>
#include <optional>

namespace quelbrook::play {

// The resident set of process `pid` in bytes (0 for this process); none when it cannot be read.
std::optional<std::int64_t> ResidentBytes(std::int64_t pid = 0);

}  // namespace quelbrook::play
