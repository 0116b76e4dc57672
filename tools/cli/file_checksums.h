#pragma once
// A ROM's identity as patch sites and ROM databases quote it: size, CRC32, MD5 and SHA-1
// of the whole file and of the file without its 16-byte iNES header.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace quelbrook::cli {

// Lines such as "size: 131088" and "sha1 without header: ...", each name led by `prefix`
// ("" for info, "source " and "target " for the patch commands).
void PrintChecksums(std::ostream& out, const std::string& prefix, const std::vector<std::uint8_t>& file);

}  // namespace quelbrook::cli
