#pragma once
// What every tile painter needs: the tile size, an empty tile of night sky and the
// terrain shapes that rows of solid ground share.

#include "canvas.h"

namespace quelbrook::art {

constexpr int kTileSize = 32;
constexpr int kTilesPerRow = 16;

Canvas BlankTile();

// The part of a tile that solid ground fills. Edges and corners let the designer
// join ground pieces into landscapes.
enum class Shape {
  kFull,
  kTopHalf,
  kBottomHalf,
  kLeftHalf,
  kRightHalf,
  kSlopeUp,
  kSlopeDown,
  kGentleSlopeUp,
  kGentleSlopeDown,
  kRoundTopLeft,
  kRoundTopRight,
  kRoundBottomLeft,
  kRoundBottomRight,
  kLedge,
  kColumn,
  kBlock,
  kStairs,
  kArch,
};

bool InShape(Shape shape, int x, int y);

using Texture = Rgb (*)(int x, int y);

struct Material {
  Texture texture;
  Rgb rim;                 // where ground meets open air
  bool openAbove = false;  // the tile's top border is a surface, not more ground
  Rgb surface{};           // grass or moss along exposed tops
  int surfaceDepth = 0;    // 0: no surface layer
};

// Paints the shape over what the tile already shows.
void PaintTerrain(Canvas& tile, Shape shape, const Material& material);

// Textures of the ground materials, seamless from tile to tile.
Rgb DirtTexture(int x, int y);
Rgb BrickTexture(int x, int y);
Rgb StoneTexture(int x, int y);
Rgb CaveRockTexture(int x, int y);
Rgb CastleWallTexture(int x, int y);

}  // namespace quelbrook::art
