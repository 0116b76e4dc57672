#pragma once
// Screen numbers in a 3 x 5 block font, drawn as filled squares: no font files and
// no application object needed, and the same pixels on every machine.

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <string>

namespace quelbrook {

constexpr int kGlyphColumns = 3;
constexpr int kGlyphRows = 5;

// The size of a number's digits with one-square gaps, each square `square` pixels wide.
QSize NumberSize(int number, int square);
void DrawNumber(QPainter& painter, QPoint topLeft, int number, int square, QColor colour);
// The same for hexadecimal text such as "B0" (digits and upper-case A..F; other characters
// are drawn as gaps).
QSize HexTextSize(const std::string& text, int square);
void DrawHexText(QPainter& painter, QPoint topLeft, const std::string& text, int square, QColor colour);

}  // namespace quelbrook
