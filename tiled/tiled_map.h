#pragma once
// What the import needs of a Tiled map, read from either of Tiled's file formats and not
// yet checked against the world's rules.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVariantMap>
#include <cstdint>
#include <optional>
#include <vector>

namespace quelbrook {

struct TiledObject {
  int id = 0;
  QString name;
  QPointF position;  // Tiled's x and y: a tile object's bottom-left corner
  QSizeF size;
  std::uint32_t gid = 0;  // 0: not a tile object
  bool visible = true;
  QVariantMap properties;
};

struct TiledLayer {
  enum class Kind { Tiles, Objects, Other };
  Kind kind = Kind::Other;
  QString name;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> gids;   // tile layers, row by row
  std::vector<TiledObject> objects;  // object layers, in file order
};

struct TiledTileset {
  int firstGid = 0;
  QString source;  // empty for a tileset kept inside the map
};

struct TiledMap {
  QString orientation;
  bool infinite = false;
  int width = 0;
  int height = 0;
  int tileWidth = 0;
  int tileHeight = 0;
  std::vector<TiledTileset> tilesets;
  std::vector<TiledLayer> layers;
  QVariantMap properties;
};

// Reads a .tmx (XML) or .tmj / .json (JSON) map by its name's ending. Throws EditorError
// naming the file and the place of the first thing that is not a readable map.
TiledMap ReadTiledMapFile(const std::string& path);
TiledMap ReadTmx(const QByteArray& content, const QString& fileName);
TiledMap ReadTmj(const QByteArray& content, const QString& fileName);

}  // namespace quelbrook
