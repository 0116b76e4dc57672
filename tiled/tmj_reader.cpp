// The JSON form of a Tiled map, read with Qt's JSON classes.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "count_text.h"
#include "editor_error.h"
#include "tile_layer_data.h"
#include "tiled_map.h"
#include "tiled_map_limits.h"

namespace quelbrook {

namespace {
class TmjReader {
 public:
  explicit TmjReader(const QString& fileName) : fileName_(fileName) {}

  TiledMap Read(const QByteArray& content) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (document.isNull())
      Fail("character " + std::to_string(parseError.offset) + ": " + parseError.errorString().toStdString());
    const QJsonObject root = document.object();
    if (root.value("type").toString() != "map") Fail("the file is not a Tiled map");
    TiledMap map;
    map.orientation = root.value("orientation").toString();
    map.infinite = root.value("infinite").toBool();
    map.width = Integer(root, "width", "the map");
    map.height = Integer(root, "height", "the map");
    map.tileWidth = Integer(root, "tilewidth", "the map");
    map.tileHeight = Integer(root, "tileheight", "the map");
    map.properties = Properties(root.value("properties"), "the map");
    for (const QJsonValue& tileset : root.value("tilesets").toArray())
      map.tilesets.push_back({Integer(tileset.toObject(), "firstgid", "a tileset"),
                              tileset.toObject().value("source").toString()});
    for (const QJsonValue& layer : root.value("layers").toArray())
      map.layers.push_back(Layer(layer.toObject()));
    return map;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EditorError(fileName_.toStdString() + ": " + what);
  }

  int Integer(const QJsonObject& object, const char* key, const std::string& where) const {
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) return 0;
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || std::fabs(number) > 2147483647.0)
      Fail(where + ": " + key + " is not a whole number");
    return static_cast<int>(number);
  }

  QVariantMap Properties(const QJsonValue& list, const std::string& where) const {
    QVariantMap properties;
    for (const QJsonValue& entry : list.toArray()) {
      const QJsonObject property = entry.toObject();
      const QString name = property.value("name").toString();
      const QJsonValue value = property.value("value");
      if (property.value("type").toString() == "int") {
        const double number = value.toDouble(std::nan(""));
        if (number != std::floor(number) || std::fabs(number) > 2147483647.0)
          Fail(where + ": the property " + name.toStdString() + " is not a whole number");
        properties.insert(name, static_cast<int>(number));
      } else {
        properties.insert(name, value.toVariant());
      }
    }
    return properties;
  }

  TiledLayer Layer(const QJsonObject& json) {
    TiledLayer layer;
    layer.name = json.value("name").toString();
    const std::string where = "layer \"" + layer.name.toStdString() + "\"";
    const QString type = json.value("type").toString();
    if (type == "tilelayer") {
      layer.kind = TiledLayer::Kind::Tiles;
      layer.width = Integer(json, "width", where);
      layer.height = Integer(json, "height", where);
      RequireLayerSize(layer, fileName_);
      layer.gids = Gids(json, layer.width * layer.height, where);
    } else if (type == "objectgroup") {
      layer.kind = TiledLayer::Kind::Objects;
      const QJsonArray objects = json.value("objects").toArray();
      if (static_cast<std::size_t>(objects.size()) > kMaxObjectsPerLayer)
        Fail(where + " holds too many objects");
      for (const QJsonValue& object : objects) layer.objects.push_back(Object(object.toObject(), where));
    }
    return layer;
  }

  std::vector<std::uint32_t> Gids(const QJsonObject& json, int count, const std::string& where) const {
    const QJsonValue data = json.value("data");
    if (data.isString()) {
      try {
        return DecodeTileData(json.value("encoding").toString(), json.value("compression").toString(),
                              data.toString().toLatin1(), count);
      } catch (const EditorError& error) {
        Fail(where + ": " + error.what());
      }
    }
    if (!data.isArray()) Fail(where + " has no tile data");
    const QJsonArray cells = data.toArray();
    if (cells.size() != count)
      Fail(where + ": the tile data holds " + CountText(static_cast<std::size_t>(cells.size()), "cell") +
           " instead of " + std::to_string(count));
    std::vector<std::uint32_t> gids;
    gids.reserve(static_cast<std::size_t>(count));
    for (const QJsonValue& cell : cells) {
      const double gid = cell.toDouble(-1);
      if (gid < 0 || gid > 4294967295.0 || gid != std::floor(gid))
        Fail(where + ": cell " + std::to_string(gids.size() + 1) + " is not a tile number");
      gids.push_back(static_cast<std::uint32_t>(gid));
    }
    return gids;
  }

  TiledObject Object(const QJsonObject& json, const std::string& where) const {
    TiledObject object;
    object.id = Integer(json, "id", where);
    const std::string place = where + ", object " + std::to_string(object.id);
    object.name = json.value("name").toString();
    object.position = QPointF(json.value("x").toDouble(), json.value("y").toDouble());
    object.size = QSizeF(json.value("width").toDouble(), json.value("height").toDouble());
    const double gid = json.value("gid").toDouble(0);
    if (gid < 0 || gid > 4294967295.0 || gid != std::floor(gid)) Fail(place + ": gid is not a tile number");
    object.gid = static_cast<std::uint32_t>(gid);
    object.visible = json.value("visible").toBool(true);
    object.properties = Properties(json.value("properties"), place);
    return object;
  }

  QString fileName_;
};
}  // namespace

TiledMap ReadTmj(const QByteArray& content, const QString& fileName) {
  return TmjReader(fileName).Read(content);
}

}  // namespace quelbrook
