#include "tile_kit.h"

#include <cstdlib>

#include "noise.h"
#include "palette.h"

namespace quelbrook::art {

Canvas BlankTile() { return Canvas(kTileSize, kTileSize, kNightSky); }

namespace {

bool OutsideQuarterCircle(int x, int y, int cornerX, int cornerY) {
  constexpr int kRadius = 14;
  const int dx = cornerX == 0 ? kRadius - x : x - (kTileSize - 1 - kRadius);
  const int dy = cornerY == 0 ? kRadius - y : y - (kTileSize - 1 - kRadius);
  return dx > 0 && dy > 0 && dx * dx + dy * dy > kRadius * kRadius;
}

}  // namespace

bool InShape(Shape shape, int x, int y) {
  constexpr int kHalf = kTileSize / 2;
  constexpr int kLast = kTileSize - 1;
  switch (shape) {
    case Shape::kFull:
      return true;
    case Shape::kTopHalf:
      return y < kHalf;
    case Shape::kBottomHalf:
      return y >= kHalf;
    case Shape::kLeftHalf:
      return x < kHalf;
    case Shape::kRightHalf:
      return x >= kHalf;
    case Shape::kSlopeUp:
      return y >= kLast - x;
    case Shape::kSlopeDown:
      return y >= x;
    case Shape::kGentleSlopeUp:
      return y >= kLast - x / 2;
    case Shape::kGentleSlopeDown:
      return y >= kHalf + x / 2;
    case Shape::kRoundTopLeft:
      return !OutsideQuarterCircle(x, y, 0, 0);
    case Shape::kRoundTopRight:
      return !OutsideQuarterCircle(x, y, kLast, 0);
    case Shape::kRoundBottomLeft:
      return !OutsideQuarterCircle(x, y, 0, kLast);
    case Shape::kRoundBottomRight:
      return !OutsideQuarterCircle(x, y, kLast, kLast);
    case Shape::kLedge:
      return y < 10;
    case Shape::kColumn:
      return x >= 8 && x < 24;
    case Shape::kBlock:
      return x >= 4 && x < 28 && y >= 4 && y < 28;
    case Shape::kStairs:
      return y >= kHalf || x >= kHalf;
    case Shape::kArch: {
      const int dx = x - kHalf;
      const int dy = y - kHalf;
      const bool opening = (y >= kHalf && std::abs(dx) < 10) || dx * dx + dy * dy < 100;
      return !opening;
    }
  }
  return false;
}

namespace {

bool Solid(Shape shape, int x, int y, bool openAbove) {
  if (y < 0) return !openAbove;
  if (x < 0 || x >= kTileSize || y >= kTileSize) return true;
  return InShape(shape, x, y);
}

// How many ground pixels lie between this one and the open air above it.
int DepthBelowSurface(Shape shape, int x, int y, bool openAbove) {
  int depth = 0;
  while (Solid(shape, x, y - depth - 1, openAbove)) {
    if (y - depth - 1 < 0) return kTileSize;
    ++depth;
  }
  return depth;
}

}  // namespace

void PaintTerrain(Canvas& tile, Shape shape, const Material& material) {
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) {
      if (!InShape(shape, x, y)) continue;
      const bool edge =
          !Solid(shape, x - 1, y, material.openAbove) || !Solid(shape, x + 1, y, material.openAbove) ||
          !Solid(shape, x, y - 1, material.openAbove) || !Solid(shape, x, y + 1, material.openAbove);
      Rgb colour = material.texture(x, y);
      const int depth = DepthBelowSurface(shape, x, y, material.openAbove);
      if (material.surfaceDepth > 0 &&
          depth < material.surfaceDepth + static_cast<int>(PixelHash(x, 0, 7) % 3)) {
        colour = depth <= 1 ? Shade(material.surface, 70) : material.surface;
        if (PixelHash(x, y, 8) % 7 == 0) colour = Shade(material.surface, -50);
      } else if (depth == 1) {
        colour = Shade(colour, 60);  // light falls on the top of the ground
      }
      tile.Set(x, y, edge ? material.rim : colour);
    }
}

namespace {

Rgb Speckled(Rgb base, int x, int y, std::uint32_t seed) {
  const std::uint32_t h = PixelHash(x / 2, y / 2, seed) % 16;
  if (h == 0) return Shade(base, -70);
  if (h == 1) return Shade(base, 50);
  if (h < 5) return Shade(base, -25);
  return base;
}

// Blocks of the given size in courses that shift by half a block, lit on top and left.
Rgb Masonry(Rgb block, Rgb joint, int x, int y, int width, int height, std::uint32_t seed) {
  const int course = y / height;
  const int shifted = x + (course % 2) * (width / 2);
  const int bx = shifted % width;
  const int by = y % height;
  if (bx == width - 1 || by == height - 1) return joint;
  const int blockId = shifted / width + course * 7;
  const Rgb tint = Shade(block, static_cast<int>(PixelHash(blockId, course, seed) % 5) * 8 - 16);
  if (by == 0 || bx == 0) return Shade(tint, 60);
  if (by == height - 2 || bx == width - 2) return Shade(tint, -40);
  return Speckled(tint, x, y, seed);
}

}  // namespace

Rgb DirtTexture(int x, int y) {
  if (PixelHash(x / 4, y / 3, 11) % 23 == 0) return Shade(kStone, (x + y) % 4 == 0 ? 40 : -10);  // pebbles
  return Speckled(kDirt, x, y, 12);
}

Rgb BrickTexture(int x, int y) { return Masonry(kBrick, kMortar, x, y, 16, 8, 21); }

Rgb StoneTexture(int x, int y) { return Masonry(kStone, Shade(kStone, -110), x, y, 16, 16, 31); }

Rgb CaveRockTexture(int x, int y) {
  const std::uint32_t blotch = PixelHash(x / 5, y / 4, 41) % 4;
  const Rgb base = Shade(kCaveRock, static_cast<int>(blotch) * 14 - 20);
  if (PixelHash(x, y, 42) % 29 == 0) return Shade(kCaveRock, 80);
  return Speckled(base, x, y, 43);
}

Rgb CastleWallTexture(int x, int y) {
  return Masonry(kCastleWall, Shade(kCastleWall, -100), x, y, 32, 16, 51);
}

}  // namespace quelbrook::art
