#pragma once
// BPS patches: "BPS1", source size, target size and metadata as variable-length numbers,
// actions (SourceRead, TargetRead, SourceCopy, TargetCopy), then the CRC-32 of source,
// target and patch. A patch names the one source it was made from.

#include <cstdint>
#include <string>
#include <vector>

#include "side_file_lines.h"

namespace quelbrook {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const Bytes& bytes, std::size_t length);
inline std::uint32_t Crc32(const Bytes& bytes) { return Crc32(bytes, bytes.size()); }

ReadResult<Bytes> MakeBpsPatch(const Bytes& source, const Bytes& target, const std::string& metadata = "");
// Checks the patch's own checksum, that `source` is the file it was made for, every action's
// bounds and the result's checksum; returns the target only when all of them hold.
ReadResult<Bytes> ApplyBpsPatch(const Bytes& source, const Bytes& patch);

}  // namespace quelbrook
