#include "game_data_files.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "byte_map.h"
#include "game_looks.h"
#include "solid_tiles.h"

namespace quelbrook::art {

namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// The console's tile format: eight bytes of the low bit plane, then eight of the high
// one, the leftmost pixel in bit 7.
Bytes PatternTable(const std::array<Pattern, 256>& tiles) {
  Bytes bytes;
  for (const Pattern& tile : tiles)
    for (int plane = 0; plane < 2; ++plane)
      for (int row = 0; row < 8; ++row) {
        std::uint8_t byte = 0;
        for (int column = 0; column < 8; ++column)
          byte = static_cast<std::uint8_t>(byte << 1 |
                                           ((tile[static_cast<std::size_t>(row * 8 + column)] >> plane) & 1));
        bytes.push_back(byte);
      }
  return bytes;
}

void Append(Bytes& bytes, const NesPalette& palette) {
  bytes.insert(bytes.end(), palette.begin(), palette.end());
}

Bytes LooksTable() {
  Bytes bytes;
  for (int low = 0; low < kLookTableSize; ++low)
    for (const NesPalette& palette : LookById(LookOfPalette1(low)).palettes) Append(bytes, palette);
  return bytes;
}

Bytes HeroTable() {
  Bytes bytes;
  for (int low = 0; low < kLookTableSize; ++low) Append(bytes, HeroPalette(low));
  return bytes;
}

static_assert(tiles::kSolidTableLength == kTilePictureCount);

// One byte a tile code, non-zero where the code stops the hero.
Bytes SolidTable() {
  Bytes bytes;
  for (int code = 0; code < tiles::kSolidTableLength; ++code)
    bytes.push_back(tiles::IsSolidTile(code) ? 1 : 0);
  return bytes;
}

}  // namespace

void WriteGameDataFiles(const std::filesystem::path& folder, const GameArt& art) {
  std::filesystem::create_directories(folder);
  WriteFile(folder / "background.chr", PatternTable(art.backgroundTiles));
  WriteFile(folder / "sprites.chr", PatternTable(art.spriteTiles));
  Bytes cells;
  for (const auto& tile : art.tileCells) cells.insert(cells.end(), tile.begin(), tile.end());
  WriteFile(folder / "tile_cells.bin", cells);
  WriteFile(folder / "tile_attributes.bin", Bytes(art.tileAttributes.begin(), art.tileAttributes.end()));
  WriteFile(folder / "looks.bin", LooksTable());
  Bytes sprites;
  for (const NesPalette& palette : SpritePalettes()) Append(sprites, palette);
  WriteFile(folder / "sprite_palettes.bin", sprites);
  WriteFile(folder / "hero_palettes.bin", HeroTable());
  WriteFile(folder / "object_tiles.bin", Bytes(art.objectTiles.begin(), art.objectTiles.end()));
  WriteFile(folder / "object_palettes.bin", Bytes(art.objectPalettes.begin(), art.objectPalettes.end()));
  WriteFile(folder / "solid_tiles.bin", SolidTable());
}

}  // namespace quelbrook::art
