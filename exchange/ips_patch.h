#pragma once
// IPS patches: "PATCH", records of a 3-byte offset, a 2-byte size and the bytes (size 0:
// a run of one byte), "EOF", then an optional 3-byte size the result is cut to.

#include <cstdint>
#include <vector>

#include "side_file_lines.h"

namespace quelbrook {

using Bytes = std::vector<std::uint8_t>;

// Offsets have three bytes, so nothing at or past 16 MiB can be named.
constexpr std::size_t kIpsSizeLimit = 0x1000000;
// A record starting here would read as the "EOF" marker.
constexpr std::size_t kIpsEofOffset = 0x454F46;

// The patch that turns `original` into `modified`; refuses a `modified` too large to describe.
ReadResult<Bytes> MakeIpsPatch(const Bytes& original, const Bytes& modified);
// The whole patch is read and checked before the result is built.
ReadResult<Bytes> ApplyIpsPatch(const Bytes& original, const Bytes& patch);

}  // namespace quelbrook
