#pragma once
// Integer drawing primitives shared by the tile, sprite and poster painters.

#include "canvas.h"

namespace quelbrook::art {

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour);
void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, Rgb colour);
void FillDisc(Canvas& canvas, int cx, int cy, int radius, Rgb colour);
void DrawRing(Canvas& canvas, int cx, int cy, int outer, int inner, Rgb colour);
void FillTriangle(Canvas& canvas, int x0, int y0, int x1, int y1, int x2, int y2, Rgb colour);
// A sphere-like disc: lit from the top left, with a dark rim and a glint.
void FillBall(Canvas& canvas, int cx, int cy, int radius, Rgb colour);

// Gives every `background` pixel that touches another colour the `outline` colour:
// the dark rim that keeps shapes readable over any tile.
void OutlineShapes(Canvas& canvas, Rgb background, Rgb outline);

}  // namespace quelbrook::art
