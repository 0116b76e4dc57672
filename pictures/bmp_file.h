#pragma once
// Uncompressed 24-bit Windows bitmaps, the only picture format the editor loads.

#include <filesystem>

#include "canvas.h"

namespace quelbrook {

// Throws std::runtime_error when the file cannot be written.
void WriteBmp(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace quelbrook
