#include "shapes.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace quelbrook::art {

void DrawLine(Canvas& canvas, int x0, int y0, int x1, int y1, Rgb colour) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    canvas.Set(x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x0 += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      y0 += stepY;
    }
  }
}

void FillEllipse(Canvas& canvas, int cx, int cy, int rx, int ry, Rgb colour) {
  const long limit = static_cast<long>(rx) * rx * ry * ry;
  for (int y = -ry; y <= ry; ++y)
    for (int x = -rx; x <= rx; ++x)
      if (static_cast<long>(x) * x * ry * ry + static_cast<long>(y) * y * rx * rx <= limit)
        canvas.Set(cx + x, cy + y, colour);
}

void FillDisc(Canvas& canvas, int cx, int cy, int radius, Rgb colour) {
  FillEllipse(canvas, cx, cy, radius, radius, colour);
}

void DrawRing(Canvas& canvas, int cx, int cy, int outer, int inner, Rgb colour) {
  for (int y = -outer; y <= outer; ++y)
    for (int x = -outer; x <= outer; ++x) {
      const int d = x * x + y * y;
      if (d <= outer * outer && d > inner * inner) canvas.Set(cx + x, cy + y, colour);
    }
}

namespace {

long EdgeSide(int ax, int ay, int bx, int by, int px, int py) {
  return static_cast<long>(bx - ax) * (py - ay) - static_cast<long>(by - ay) * (px - ax);
}

}  // namespace

void FillTriangle(Canvas& canvas, int x0, int y0, int x1, int y1, int x2, int y2, Rgb colour) {
  const int left = std::min({x0, x1, x2});
  const int right = std::max({x0, x1, x2});
  const int top = std::min({y0, y1, y2});
  const int bottom = std::max({y0, y1, y2});
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      const long a = EdgeSide(x0, y0, x1, y1, x, y);
      const long b = EdgeSide(x1, y1, x2, y2, x, y);
      const long c = EdgeSide(x2, y2, x0, y0, x, y);
      if ((a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0)) canvas.Set(x, y, colour);
    }
}

void FillBall(Canvas& canvas, int cx, int cy, int radius, Rgb colour) {
  FillDisc(canvas, cx, cy, radius, Shade(colour, -90));
  FillDisc(canvas, cx - radius / 6, cy - radius / 6, radius * 5 / 6, colour);
  FillDisc(canvas, cx - radius / 3, cy - radius / 3, radius / 3, Shade(colour, 110));
  canvas.Set(cx - radius / 3 - 1, cy - radius / 3 - 1, Rgb{255, 255, 255});
}

void OutlineShapes(Canvas& canvas, Rgb background, Rgb outline) {
  std::vector<std::pair<int, int>> rim;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != background) continue;
      const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : neighbours)
        if (canvas.Contains(n[0], n[1]) && canvas.At(n[0], n[1]) != background &&
            canvas.At(n[0], n[1]) != outline) {
          rim.emplace_back(x, y);
          break;
        }
    }
  for (const auto& [x, y] : rim) canvas.Set(x, y, outline);
}

}  // namespace quelbrook::art
