// The XML form of a Tiled map, read with Qt's stream reader.
#include <QXmlStreamReader>

#include "editor_error.h"
#include "tile_layer_data.h"
#include "tiled_map.h"
#include "tiled_map_limits.h"

namespace quelbrook {

namespace {
class TmxReader {
 public:
  TmxReader(const QByteArray& content, const QString& fileName) : xml_(content), fileName_(fileName) {}

  TiledMap Read() {
    if (!xml_.readNextStartElement() || xml_.name() != QLatin1String("map"))
      Fail("the file is not a Tiled map");
    TiledMap map;
    const auto attributes = xml_.attributes();
    map.orientation = attributes.value("orientation").toString();
    map.infinite = attributes.value("infinite").toString() == "1";
    map.width = Integer("width");
    map.height = Integer("height");
    map.tileWidth = Integer("tilewidth");
    map.tileHeight = Integer("tileheight");
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("properties"))
        map.properties = Properties();
      else if (xml_.name() == QLatin1String("tileset"))
        map.tilesets.push_back(Tileset());
      else if (xml_.name() == QLatin1String("layer"))
        map.layers.push_back(TileLayer());
      else if (xml_.name() == QLatin1String("objectgroup"))
        map.layers.push_back(ObjectLayer());
      else
        SkipOther(map);
    }
    if (xml_.hasError()) Fail(xml_.errorString().toStdString());
    return map;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EditorError(fileName_.toStdString() + ", line " + std::to_string(xml_.lineNumber()) + ": " + what);
  }

  int Integer(const char* name, int otherwise = 0) const {
    const auto text = xml_.attributes().value(name);
    if (text.isEmpty()) return otherwise;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) Fail(std::string("the attribute ") + name + " is not a whole number");
    return value;
  }

  double Real(const char* name) const {
    const auto text = xml_.attributes().value(name);
    if (text.isEmpty()) return 0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) Fail(std::string("the attribute ") + name + " is not a number");
    return value;
  }

  // Group layers, image layers and the like are kept as layers of no use, so that a
  // missing layer is named as missing rather than as unknown.
  void SkipOther(TiledMap& map) {
    TiledLayer layer;
    layer.name = xml_.attributes().value("name").toString();
    map.layers.push_back(layer);
    xml_.skipCurrentElement();
  }

  TiledTileset Tileset() {
    TiledTileset tileset;
    tileset.firstGid = Integer("firstgid");
    tileset.source = xml_.attributes().value("source").toString();
    xml_.skipCurrentElement();
    return tileset;
  }

  QVariantMap Properties() {
    QVariantMap properties;
    while (xml_.readNextStartElement()) {
      if (xml_.name() != QLatin1String("property")) {
        xml_.skipCurrentElement();
        continue;
      }
      const auto attributes = xml_.attributes();
      const QString name = attributes.value("name").toString();
      const QString type = attributes.value("type").toString();
      // A text with line breaks is kept as the element's content instead of an attribute.
      QString value = attributes.hasAttribute("value") ? attributes.value("value").toString() : QString();
      const QString content = xml_.readElementText(QXmlStreamReader::SkipChildElements);
      if (!attributes.hasAttribute("value")) value = content;
      if (type == "int") {
        bool ok = false;
        const int number = value.toInt(&ok);
        if (!ok) Fail("the property " + name.toStdString() + " is not a whole number");
        properties.insert(name, number);
      } else if (type == "float") {
        properties.insert(name, value.toDouble());
      } else {
        properties.insert(name, value);
      }
    }
    return properties;
  }

  TiledLayer TileLayer() {
    TiledLayer layer;
    layer.kind = TiledLayer::Kind::Tiles;
    layer.name = xml_.attributes().value("name").toString();
    layer.width = Integer("width");
    layer.height = Integer("height");
    RequireLayerSize(layer, fileName_);
    bool hasData = false;
    while (xml_.readNextStartElement()) {
      if (xml_.name() != QLatin1String("data")) {
        xml_.skipCurrentElement();
        continue;
      }
      const QString encoding = xml_.attributes().value("encoding").toString();
      const QString compression = xml_.attributes().value("compression").toString();
      const int line = static_cast<int>(xml_.lineNumber());
      const QString text = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
      if (xml_.hasError()) Fail(xml_.errorString().toStdString());
      try {
        layer.gids = DecodeTileData(encoding, compression, text.toLatin1(), layer.width * layer.height);
      } catch (const EditorError& error) {
        throw EditorError(fileName_.toStdString() + ", line " + std::to_string(line) + ": layer \"" +
                          layer.name.toStdString() + "\": " + error.what());
      }
      hasData = true;
    }
    if (!hasData) Fail("the layer \"" + layer.name.toStdString() + "\" has no tile data");
    return layer;
  }

  TiledLayer ObjectLayer() {
    TiledLayer layer;
    layer.kind = TiledLayer::Kind::Objects;
    layer.name = xml_.attributes().value("name").toString();
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("object"))
        layer.objects.push_back(Object());
      else
        xml_.skipCurrentElement();
      if (layer.objects.size() > kMaxObjectsPerLayer)
        Fail("the layer \"" + layer.name.toStdString() + "\" holds too many objects");
    }
    return layer;
  }

  TiledObject Object() {
    TiledObject object;
    object.id = Integer("id");
    object.name = xml_.attributes().value("name").toString();
    object.position = QPointF(Real("x"), Real("y"));
    object.size = QSizeF(Real("width"), Real("height"));
    const auto gid = xml_.attributes().value("gid");
    if (!gid.isEmpty()) {
      bool ok = false;
      object.gid = gid.toUInt(&ok);
      if (!ok) Fail("the attribute gid is not a tile number");
    }
    object.visible = Integer("visible", 1) != 0;
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("properties"))
        object.properties = Properties();
      else
        xml_.skipCurrentElement();
    }
    return object;
  }

  QXmlStreamReader xml_;
  QString fileName_;
};
}  // namespace

TiledMap ReadTmx(const QByteArray& content, const QString& fileName) {
  return TmxReader(content, fileName).Read();
}

}  // namespace quelbrook
