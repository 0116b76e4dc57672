#pragma once
// The starry backdrop and framing that the three posters share.

#include "canvas.h"

namespace quelbrook::art {

Canvas PosterBackdrop();
// Both leave the night-sky pixels of the picture out, so the backdrop shows through.
void PlaceSprite(Canvas& poster, const Canvas& sprite, int x, int y);
// Places tile `code` with its top-left corner at (x, y).
void PlaceTile(Canvas& poster, int code, int x, int y);

}  // namespace quelbrook::art
