#include "indexed_bitmap.h"

namespace quelbrook::testing {

namespace {
void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
}  // namespace

std::uint32_t TableColour(int index) {
  return 0xff000000u | static_cast<std::uint32_t>(index) << 16 | static_cast<std::uint32_t>(255 - index);
}

std::vector<std::uint8_t> IndexedBitmap(int bits, int width, int height, int colours,
                                        const std::function<int(int x, int y)>& indexAt) {
  const int rowBytes = (width * bits + 31) / 32 * 4;
  const std::uint32_t dataOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(colours);
  std::vector<std::uint8_t> out = {'B', 'M'};
  Put(out, dataOffset + static_cast<std::uint32_t>(rowBytes * height), 4);
  Put(out, 0, 4);
  Put(out, dataOffset, 4);
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(width), 4);
  Put(out, static_cast<std::uint32_t>(height), 4);
  Put(out, 1, 2);
  Put(out, static_cast<std::uint32_t>(bits), 2);
  Put(out, 0, 4);  // uncompressed
  Put(out, static_cast<std::uint32_t>(rowBytes * height), 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, static_cast<std::uint32_t>(colours), 4);
  Put(out, 0, 4);
  for (int i = 0; i < colours; ++i) Put(out, TableColour(i) & 0xffffffu, 4);
  for (int y = height - 1; y >= 0; --y) {  // bottom row first
    std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      row[static_cast<std::size_t>(bit / 8)] |=
          static_cast<std::uint8_t>((indexAt(x, y) & ((1 << bits) - 1)) << (8 - bits - bit % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace quelbrook::testing
