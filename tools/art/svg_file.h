#pragma once
// A picture as a scalable vector file, one square per pixel, for the desktop's icon
// themes, which take SVG at any size.

#include <filesystem>

#include "canvas.h"

namespace quelbrook::art {

// Pixels of `clear` are left out, so the background shows through.
// Throws std::runtime_error when the file cannot be written.
void WriteSvg(const std::filesystem::path& path, const Canvas& canvas, Rgb clear);

}  // namespace quelbrook::art
