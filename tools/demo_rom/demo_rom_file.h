#pragma once
// Writes the demo cartridge image: an iNES header, the demo game's program and the
// demo world at the regions the editor reads.

#include <string>

namespace quelbrook::demo {

constexpr int kPrgBanks = 8;  // 16 KiB each
constexpr int kPrgBankSize = 16384;
constexpr int kHeaderSize = 16;
constexpr long kDemoRomSize = kHeaderSize + kPrgBanks * kPrgBankSize;

// `programPath`: the assembled game, all eight banks, with the world's regions empty.
void WriteDemoRom(const std::string& programPath, const std::string& path);

}  // namespace quelbrook::demo
