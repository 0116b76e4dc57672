// Draws every picture the editor loads: the tile, item and enemy folders and the
// info pictures beside the program, the title picture that is compiled into it, and
// the icon the desktop shows for it; and the demo game's tiles and colour tables, from
// which the tile, item and enemy pictures are drawn.
//
//   quelbrook_art <folder for graph/ items/ enemyes/ info/> <title picture file> <icon file>
//                 <folder for the game's data files>

#include <exception>
#include <filesystem>
#include <iostream>

#include "bmp_file.h"
#include "demo_world.h"
#include "enemy_art.h"
#include "game_art.h"
#include "game_data_files.h"
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

std::array<int, kCodeCount> DemoTileUse() {
  std::array<int, kCodeCount> use{};
  for (int screen = 1; screen <= quelbrook::kScreenCount; ++screen)
    for (std::uint8_t code : quelbrook::demo::DesignScreen(screen).tiles) ++use[code];
  return use;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: quelbrook_art <asset folder> <title picture file> <icon file> <game data folder>\n";
    return 2;
  }
  try {
    const fs::path assets = argv[1];
    const GameArt game = BuildGameArt(DemoTileUse());
    WriteGameDataFiles(argv[4], game);
    WriteNumberedPictures(assets / "graph", kTileCount,
                          [&](int code) { return GameTilePicture(game, code); });
    WriteNumberedPictures(assets / "items", kItemPictureCount,
                          [&](int item) { return GameObjectPicture(game, item); });
    WriteNumberedPictures(assets / "enemyes", kEnemyPictureCount,
                          [&](int enemy) { return GameObjectPicture(game, kFirstEnemySlot + enemy); });
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
