#include "canvas.h"

#include <algorithm>

namespace quelbrook {

namespace {

std::uint8_t Towards(std::uint8_t from, int to, int weight256) {
  return static_cast<std::uint8_t>(from + ((to - from) * weight256) / 256);
}

}  // namespace

Rgb Shade(Rgb colour, int amount) {
  const int target = amount >= 0 ? 255 : 0;
  const int weight = std::min(256, amount >= 0 ? amount : -amount);
  return {Towards(colour.r, target, weight), Towards(colour.g, target, weight),
          Towards(colour.b, target, weight)};
}

Rgb Mix(Rgb a, Rgb b, int weightOfB256) {
  return {Towards(a.r, b.r, weightOfB256), Towards(a.g, b.g, weightOfB256), Towards(a.b, b.b, weightOfB256)};
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

void Canvas::Set(int x, int y, Rgb colour) {
  if (Contains(x, y)) pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column) Set(column, row, colour);
}

void Canvas::Frame(int x, int y, int w, int h, Rgb colour) {
  FillRect(x, y, w, 1, colour);
  FillRect(x, y + h - 1, w, 1, colour);
  FillRect(x, y, 1, h, colour);
  FillRect(x + w - 1, y, 1, h, colour);
}

void Canvas::Paste(const Canvas& source, int x, int y, int scale) {
  for (int row = 0; row < source.height() * scale; ++row)
    for (int column = 0; column < source.width() * scale; ++column)
      Set(x + column, y + row, source.At(column / scale, row / scale));
}

}  // namespace quelbrook
