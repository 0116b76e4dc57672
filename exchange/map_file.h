#pragma once
// The .map side file: the tile-code table of one screen, "48", "1", then the 48 codes.

#include <array>
#include <string>

#include "byte_map.h"
#include "side_file_lines.h"

namespace quelbrook {

using MapFile = std::array<std::string, kTileCount>;

std::string WriteMapFile(const MapFile& codes);
// Refuses anything export would not write; codes come back in the editor's form
// (upper case, no leading zero).
ReadResult<MapFile> ReadMapFile(const std::string& content);

}  // namespace quelbrook
