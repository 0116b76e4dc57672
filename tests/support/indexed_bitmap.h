#pragma once
// Indexed Windows bitmaps written byte by byte: Qt's writer cannot make one whose pixels
// name colours beyond its table, as pictures from elsewhere may.

#include <cstdint>
#include <functional>
#include <vector>

namespace quelbrook::testing {

// Colour i of a table: red i, green 0, blue 255 - i.
std::uint32_t TableColour(int index);

// An uncompressed bitmap of 1, 4 or 8 bits per pixel whose table holds `colours` entries of
// TableColour, whatever indices `indexAt(x, y)` gives its pixels.
std::vector<std::uint8_t> IndexedBitmap(int bits, int width, int height, int colours,
                                        const std::function<int(int x, int y)>& indexAt);

}  // namespace quelbrook::testing
