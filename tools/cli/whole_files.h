#pragma once
// Whole files for the patch commands, with the file layer's messages.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook::cli {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadWholeFile(const std::string& path);
// Opens the ROM for writing first, as the window does, so a file it could not
// change is refused with the same message before anything else happens.
Bytes ReadRomForChange(const std::string& path);
// Written beside the old file and renamed over it: a failure leaves the old one whole.
void ReplaceFile(const std::string& path, const Bytes& bytes);

}  // namespace quelbrook::cli
