#include "world_export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamWriter>

#include "atomic_file.h"
#include "editor_error.h"
#include "quoted_text.h"
#include "world_atlases.h"
#include "world_map_layout.h"

namespace quelbrook {

namespace {
constexpr const char* kTmxVersion = "1.8";

void Property(QXmlStreamWriter& xml, const QString& name, int value) {
  xml.writeStartElement("property");
  xml.writeAttribute("name", name);
  xml.writeAttribute("type", "int");
  xml.writeAttribute("value", QString::number(value));
  xml.writeEndElement();
}

void Property(QXmlStreamWriter& xml, const QString& name, const std::u16string& text) {
  xml.writeStartElement("property");
  xml.writeAttribute("name", name);
  xml.writeAttribute("value", QString::fromStdString(EscapedText(text)));
  xml.writeEndElement();
}

// One line per map row, so a diff of two exports shows the changed cells.
QString TileCsv(const WorldData& world) {
  std::vector<int> gids(kMapColumns * kMapRows);
  for (int screen = 1; screen <= kScreenCount; ++screen)
    for (int cell = 0; cell < kTileCount; ++cell)
      gids[MapCellIndex(screen, cell)] = kTilesFirstGid + world.screens[screen - 1].tiles[cell];
  QStringList rows;
  for (int row = 0; row < kMapRows; ++row) {
    QStringList cells;
    for (int column = 0; column < kMapColumns; ++column)
      cells << QString::number(gids[row * kMapColumns + column]);
    rows << cells.join(',');
  }
  return "\n" + rows.join(",\n") + "\n";
}

void WriteObjects(QXmlStreamWriter& xml, const WorldData& world, int& nextId) {
  xml.writeStartElement("objectgroup");
  xml.writeAttribute("id", "2");
  xml.writeAttribute("name", kObjectsLayer);
  xml.writeAttribute("draworder", "index");  // later objects cover earlier ones, as in the window
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const ScreenData& data = world.screens[screen - 1];
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const int kind = slot == 0 ? data.itemCode : data.enemyKinds[slot - 1];
      const int destination = slot == 0 ? data.itemDestination : data.enemyDestinations[slot - 1];
      const QPoint corner = ObjectCorner(screen, destination);
      xml.writeStartElement("object");
      xml.writeAttribute("id", QString::number(nextId++));
      xml.writeAttribute("name", QString("%1 %2").arg(ScreenObjectName(screen), SlotName(slot)));
      xml.writeAttribute("gid", QString::number(kObjectsFirstGid + ObjectAtlasIndex(slot, kind)));
      xml.writeAttribute("x", QString::number(corner.x()));
      xml.writeAttribute(
          "y", QString::number(corner.y() + kObjectPixels));  // Tiled's tile objects stand on their y
      xml.writeAttribute("width", QString::number(kObjectPixels));
      xml.writeAttribute("height", QString::number(kObjectPixels));
      if (!ShowsMarker(destination)) xml.writeAttribute("visible", "0");
      xml.writeStartElement("properties");
      Property(xml, "destination", destination);
      Property(xml, "kind", kind);
      Property(xml, "screen", screen);
      xml.writeStartElement("property");
      xml.writeAttribute("name", "slot");
      xml.writeAttribute("value", SlotName(slot));
      xml.writeEndElement();
      xml.writeEndElement();
      xml.writeEndElement();
    }
  }
  xml.writeEndElement();
}

void WriteScreens(QXmlStreamWriter& xml, const WorldData& world, int& nextId) {
  xml.writeStartElement("objectgroup");
  xml.writeAttribute("id", "3");
  xml.writeAttribute("name", kScreensLayer);
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const ScreenData& data = world.screens[screen - 1];
    const QPoint origin = ScreenOrigin(screen);
    xml.writeStartElement("object");
    xml.writeAttribute("id", QString::number(nextId++));
    xml.writeAttribute("name", ScreenObjectName(screen));
    xml.writeAttribute("x", QString::number(origin.x()));
    xml.writeAttribute("y", QString::number(origin.y()));
    xml.writeAttribute("width", QString::number(kGridColumns * kMapTilePixels));
    xml.writeAttribute("height", QString::number(kGridRows * kMapTilePixels));
    xml.writeStartElement("properties");
    Property(xml, "message", data.message);
    Property(xml, "palette1", data.palette1);
    Property(xml, "palette2", data.palette2);
    xml.writeEndElement();
    xml.writeEndElement();
  }
  xml.writeEndElement();
}

QByteArray TilesetXml(const QString& name, int tileSize, int count, const QString& imageName) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(1);
  xml.writeStartDocument();
  xml.writeStartElement("tileset");
  xml.writeAttribute("version", kTmxVersion);
  xml.writeAttribute("name", name);
  xml.writeAttribute("tilewidth", QString::number(tileSize));
  xml.writeAttribute("tileheight", QString::number(tileSize));
  xml.writeAttribute("tilecount", QString::number(count));
  xml.writeAttribute("columns", QString::number(kAtlasColumns));
  xml.writeStartElement("image");
  xml.writeAttribute("source", imageName);
  xml.writeAttribute("width", QString::number(kAtlasColumns * tileSize));
  xml.writeAttribute("height", QString::number(count / kAtlasColumns * tileSize));
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndDocument();
  return out;
}

QByteArray PngOf(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw EditorError("The atlas picture could not be encoded as PNG");
  return bytes;
}

void WriteBeside(const QString& mapPath, const QString& name, const QByteArray& content) {
  const QString path = QFileInfo(mapPath).dir().filePath(name);
  WriteFileAtomically(QFile::encodeName(path).toStdString(), content.toStdString());
}

QString ImageNameOf(const QString& tilesetName) { return QFileInfo(tilesetName).completeBaseName() + ".png"; }
}  // namespace

TilesetNames TilesetNamesOf(const QString& mapPath) {
  const QString base = QFileInfo(mapPath).completeBaseName();
  return {base + "-tiles.tsx", base + "-objects.tsx"};
}

QByteArray WorldMapXml(const WorldData& world, const TilesetNames& tilesets) {
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(1);
  xml.writeStartDocument();
  xml.writeStartElement("map");
  xml.writeAttribute("version", kTmxVersion);
  xml.writeAttribute("orientation", "orthogonal");
  xml.writeAttribute("renderorder", "right-down");
  xml.writeAttribute("width", QString::number(kMapColumns));
  xml.writeAttribute("height", QString::number(kMapRows));
  xml.writeAttribute("tilewidth", QString::number(kMapTilePixels));
  xml.writeAttribute("tileheight", QString::number(kMapTilePixels));
  xml.writeAttribute("infinite", "0");
  xml.writeAttribute("nextlayerid", "4");
  xml.writeAttribute("nextobjectid", QString::number(kScreenCount * (kSlotCount + 1) + 1));

  xml.writeStartElement("properties");
  Property(xml, "endScreen", world.endScreen.value_or(0));
  Property(xml, "endingText", world.endingText);
  Property(xml, "startScreen", world.startScreen.value_or(0));
  xml.writeEndElement();

  xml.writeStartElement("tileset");
  xml.writeAttribute("firstgid", QString::number(kTilesFirstGid));
  xml.writeAttribute("source", tilesets.tiles);
  xml.writeEndElement();
  xml.writeStartElement("tileset");
  xml.writeAttribute("firstgid", QString::number(kObjectsFirstGid));
  xml.writeAttribute("source", tilesets.objects);
  xml.writeEndElement();

  xml.writeStartElement("layer");
  xml.writeAttribute("id", "1");
  xml.writeAttribute("name", kTilesLayer);
  xml.writeAttribute("width", QString::number(kMapColumns));
  xml.writeAttribute("height", QString::number(kMapRows));
  xml.writeStartElement("data");
  xml.writeAttribute("encoding", "csv");
  xml.writeCharacters(TileCsv(world));
  xml.writeEndElement();
  xml.writeEndElement();

  int nextId = 1;
  WriteObjects(xml, world, nextId);
  WriteScreens(xml, world, nextId);
  xml.writeEndElement();
  xml.writeEndDocument();
  return out;
}

void ExportWorldMap(const WorldData& world, PictureSource& pictures, const std::string& mapPath) {
  const QString path = QFile::decodeName(mapPath.c_str());
  const TilesetNames names = TilesetNamesOf(path);
  // Everything is made before the first file is written.
  const QByteArray tilesPng = PngOf(TileAtlas(pictures));
  const QByteArray objectsPng = PngOf(ObjectAtlas(pictures));
  const QByteArray mapXml = WorldMapXml(world, names);
  WriteBeside(path, ImageNameOf(names.tiles), tilesPng);
  WriteBeside(path, ImageNameOf(names.objects), objectsPng);
  WriteBeside(path, names.tiles, TilesetXml("tiles", kMapTilePixels, kCodeCount, ImageNameOf(names.tiles)));
  WriteBeside(path, names.objects,
              TilesetXml("objects", kObjectPixels, kObjectAtlasCount, ImageNameOf(names.objects)));
  WriteBeside(path, QFileInfo(path).fileName(), mapXml);
}

}  // namespace quelbrook
