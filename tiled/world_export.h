#pragma once
// The world as a Tiled map: WORLD.tmx beside WORLD-tiles.tsx/.png and
// WORLD-objects.tsx/.png, referenced by relative path.

#include <QByteArray>
#include <QString>
#include <string>

#include "picture_folder.h"
#include "world_data.h"

namespace quelbrook {

struct TilesetNames {
  QString tiles;    // e.g. "world-tiles.tsx"
  QString objects;  // e.g. "world-objects.tsx"
};
TilesetNames TilesetNamesOf(const QString& mapPath);

// The map's XML: a CSV tile layer "tiles" (gid = code + 1), object layers "objects" and
// "screens", and the start screen, end screen and ending text as map properties.
QByteArray WorldMapXml(const WorldData& world, const TilesetNames& tilesets);

// Writes the two atlases, their tilesets and the map; each file is replaced whole or not at all.
void ExportWorldMap(const WorldData& world, PictureSource& pictures, const std::string& mapPath);

}  // namespace quelbrook
