#include "digit_glyphs.h"

#include <array>
#include <string>

namespace quelbrook {

namespace {
// Rows from the top, three bits each, the leftmost square in the high bit.
constexpr std::array<std::array<int, kGlyphRows>, 10> kDigits{{
    {7, 5, 5, 5, 7},  // 0
    {2, 6, 2, 2, 7},  // 1
    {7, 1, 7, 4, 7},  // 2
    {7, 1, 7, 1, 7},  // 3
    {5, 5, 7, 1, 1},  // 4
    {7, 4, 7, 1, 7},  // 5
    {7, 4, 7, 5, 7},  // 6
    {7, 1, 1, 1, 1},  // 7
    {7, 5, 7, 5, 7},  // 8
    {7, 5, 7, 1, 7},  // 9
}};
}  // namespace

QSize NumberSize(int number, int square) {
  const int digits = static_cast<int>(std::to_string(number).size());
  return QSize((digits * (kGlyphColumns + 1) - 1) * square, kGlyphRows * square);
}

void DrawNumber(QPainter& painter, QPoint topLeft, int number, int square, QColor colour) {
  int left = topLeft.x();
  for (char digit : std::to_string(number)) {
    const auto& rows = kDigits[static_cast<std::size_t>(digit - '0')];
    for (int row = 0; row < kGlyphRows; ++row)
      for (int column = 0; column < kGlyphColumns; ++column)
        if (rows[row] & (1 << (kGlyphColumns - 1 - column)))
          painter.fillRect(left + column * square, topLeft.y() + row * square, square, square, colour);
    left += (kGlyphColumns + 1) * square;
  }
}

}  // namespace quelbrook
