#pragma once
// An RGB picture in memory, top row first; drawing outside it is silently clipped
// so that shapes may run over the edges of a tile.

#include <cstdint>
#include <vector>

namespace quelbrook {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
  bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// Moves each channel towards white (amount > 0) or black (amount < 0), in 1/256ths.
Rgb Shade(Rgb colour, int amount);
Rgb Mix(Rgb a, Rgb b, int weightOfB256);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  void Set(int x, int y, Rgb colour);

  void FillRect(int x, int y, int w, int h, Rgb colour);
  void Frame(int x, int y, int w, int h, Rgb colour);
  // Copies `source` with its top-left corner at (x, y), every pixel scaled `scale` times.
  void Paste(const Canvas& source, int x, int y, int scale = 1);

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace quelbrook
