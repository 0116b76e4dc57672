#include "ines_check.h"

namespace quelbrook::play {

namespace {
constexpr std::size_t kPrgUnit = 16384;
constexpr std::size_t kChrUnit = 8192;
constexpr std::size_t kTrainerSize = 512;

bool IsNes2(const std::uint8_t* header) { return (header[7] & 0x0C) == 0x08; }

// NES 2.0 adds a high nibble to each count; 0xF there means an exponent form, whose size
// this check leaves to the core.
std::optional<std::size_t> UnitCount(const std::uint8_t* header, int countByte, int highNibbleShift) {
  if (!IsNes2(header)) return header[countByte];
  const unsigned high = (header[9] >> highNibbleShift) & 0x0F;
  if (high == 0x0F) return std::nullopt;
  return (high << 8) | header[countByte];
}
}  // namespace

std::optional<std::string> InesProblem(const std::uint8_t* bytes, std::size_t size) {
  if (size < kInesHeaderSize || bytes[0] != 'N' || bytes[1] != 'E' || bytes[2] != 'S' || bytes[3] != 0x1A)
    return std::string("not an NES ROM: it does not begin with an iNES header");
  const auto prg = UnitCount(bytes, 4, 0);
  const auto chr = UnitCount(bytes, 5, 4);
  if (prg && *prg == 0) return std::string("not an NES ROM: its header announces no program");
  if (!prg || !chr) return std::nullopt;
  const std::size_t expected =
      kInesHeaderSize + ((bytes[6] & 0x04) ? kTrainerSize : 0) + *prg * kPrgUnit + *chr * kChrUnit;
  if (size < expected)
    return "a cut-off NES ROM: its header announces " + std::to_string(expected) + " bytes, the file has " +
           std::to_string(size);
  return std::nullopt;
}

}  // namespace quelbrook::play
