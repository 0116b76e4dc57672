// Draws every picture the editor loads: the tile, item and enemy folders and the
// info pictures beside the program, the title picture that is compiled into it, and
// the icon the desktop shows for it.
//
//   quelbrook_art <folder for graph/ items/ enemyes/ info/> <title picture file> <icon file>

#include <exception>
#include <filesystem>
#include <iostream>

#include "bmp_file.h"
#include "enemy_art.h"
#include "hex_text.h"
#include "icon_art.h"
#include "item_art.h"
#include "palette.h"
#include "poster_art.h"
#include "svg_file.h"
#include "tile_set.h"

namespace {

namespace fs = std::filesystem;
using namespace quelbrook::art;

template <typename Painter>
void WriteNumberedPictures(const fs::path& folder, int count, Painter paint) {
  fs::create_directories(folder);
  for (int n = 0; n < count; ++n) WriteBmp(folder / (quelbrook::IntToHexText(n) + ".bmp"), paint(n));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: quelbrook_art <asset folder> <title picture file> <icon file>\n";
    return 2;
  }
  try {
    const fs::path assets = argv[1];
    WriteNumberedPictures(assets / "graph", kTileCount, DrawTile);
    WriteNumberedPictures(assets / "items", kItemPictureCount, DrawItem);
    WriteNumberedPictures(assets / "enemyes", kEnemyPictureCount, DrawEnemy);
    fs::create_directories(assets / "info");
    WriteBmp(assets / "info" / "info1.bmp", DrawWorldGridInfo());
    WriteBmp(assets / "info" / "info2.bmp", DrawEditingInfo());
    const fs::path title = argv[2];
    if (title.has_parent_path()) fs::create_directories(title.parent_path());
    WriteBmp(title, DrawTitlePicture());
    const fs::path icon = argv[3];
    if (icon.has_parent_path()) fs::create_directories(icon.parent_path());
    WriteSvg(icon, DrawIcon(), kNightSky);
  } catch (const std::exception& error) {
    std::cerr << "quelbrook_art: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
