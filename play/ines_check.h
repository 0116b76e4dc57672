#pragma once
// Whether a file is an NES ROM a core can be given: the iNES header and the size it
// announces. Cores differ in how they treat a broken file, so the host checks first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quelbrook::play {

inline constexpr std::size_t kInesHeaderSize = 16;

// The reason the bytes are not a whole iNES ROM, or none when they are.
std::optional<std::string> InesProblem(const std::uint8_t* bytes, std::size_t size);

}  // namespace quelbrook::play
