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
constexpr std::array<std::array<int, kGlyphRows>, 6> kHexLetters{{
    {2, 5, 7, 5, 5},  // A
    {6, 5, 6, 5, 6},  // B
    {7, 4, 4, 4, 7},  // C
    {6, 5, 5, 5, 6},  // D
    {7, 4, 7, 4, 7},  // E
    {7, 4, 7, 4, 4},  // F
}};
constexpr std::array<int, kGlyphRows> kGap{};

const std::array<int, kGlyphRows>& GlyphOf(char ch) {
  if (ch >= '0' && ch <= '9') return kDigits[static_cast<std::size_t>(ch - '0')];
  if (ch >= 'A' && ch <= 'F') return kHexLetters[static_cast<std::size_t>(ch - 'A')];
  return kGap;
}

void DrawGlyphs(QPainter& painter, QPoint topLeft, const std::string& text, int square, QColor colour) {
  int left = topLeft.x();
  for (char ch : text) {
    const auto& rows = GlyphOf(ch);
    for (int row = 0; row < kGlyphRows; ++row)
      for (int column = 0; column < kGlyphColumns; ++column)
        if (rows[row] & (1 << (kGlyphColumns - 1 - column)))
          painter.fillRect(left + column * square, topLeft.y() + row * square, square, square, colour);
    left += (kGlyphColumns + 1) * square;
  }
}
}  // namespace

QSize NumberSize(int number, int square) {
  const int digits = static_cast<int>(std::to_string(number).size());
  return QSize((digits * (kGlyphColumns + 1) - 1) * square, kGlyphRows * square);
}

void DrawNumber(QPainter& painter, QPoint topLeft, int number, int square, QColor colour) {
  DrawGlyphs(painter, topLeft, std::to_string(number), square, colour);
}

QSize HexTextSize(const std::string& text, int square) {
  const int characters = static_cast<int>(text.size());
  if (characters == 0) return QSize(0, kGlyphRows * square);
  return QSize((characters * (kGlyphColumns + 1) - 1) * square, kGlyphRows * square);
}

void DrawHexText(QPainter& painter, QPoint topLeft, const std::string& text, int square, QColor colour) {
  DrawGlyphs(painter, topLeft, text, square, colour);
}

}  // namespace quelbrook
