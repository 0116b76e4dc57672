#pragma once
// A 5 x 7 bitmap font for the posters, so that their text needs no font files.

#include <string_view>

#include "canvas.h"

namespace quelbrook::art {

constexpr int kGlyphAdvance = 6;
constexpr int kGlyphHeight = 7;

int TextWidth(std::string_view text, int scale);
// Throws on a character the font lacks, so a typo cannot pass unnoticed.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);
// Text with a dark copy one scaled pixel down and right: readable on any picture.
void DrawShadowedText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);
void DrawCentredText(Canvas& canvas, int centreX, int y, std::string_view text, int scale, Rgb colour);

}  // namespace quelbrook::art
