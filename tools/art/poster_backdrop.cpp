#include "poster_backdrop.h"

#include "noise.h"
#include "palette.h"
#include "poster_art.h"
#include "tile_set.h"

namespace quelbrook::art {

Canvas PosterBackdrop() {
  Canvas poster(kPosterWidth, kPosterHeight, kNightSky);
  for (int y = 0; y < kPosterHeight; ++y)
    for (int x = 0; x < kPosterWidth; ++x) {
      const Rgb sky = Mix({8, 10, 30}, {44, 30, 80}, y * 256 / kPosterHeight);
      poster.Set(x, y, PixelHash(x, y, 301) % 600 == 0 ? Rgb{200, 200, 240} : sky);
    }
  poster.Frame(0, 0, kPosterWidth, kPosterHeight, kGold);
  poster.Frame(1, 1, kPosterWidth - 2, kPosterHeight - 2, kInk);
  return poster;
}

void PlaceTile(Canvas& poster, int code, int x, int y) { PlaceSprite(poster, DrawTile(code), x, y); }

void PlaceSprite(Canvas& poster, const Canvas& sprite, int x, int y) {
  for (int row = 0; row < sprite.height(); ++row)
    for (int column = 0; column < sprite.width(); ++column)
      if (sprite.At(column, row) != kNightSky) poster.Set(x + column, y + row, sprite.At(column, row));
}

}  // namespace quelbrook::art
