#include "world_from_map.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "editor_error.h"
#include "quoted_text.h"
#include "text_codec.h"
#include "world_map_layout.h"

namespace quelbrook {

namespace {
// Tiled keeps flips and rotations in the top bits of a gid.
constexpr std::uint32_t kGidFlagBits = 0xF0000000u;

struct GidRange {
  std::uint32_t first = 0;
  int count = 0;
  std::optional<int> indexOf(std::uint32_t gid) const {
    if (gid < first || gid - first >= static_cast<std::uint32_t>(count)) return std::nullopt;
    return static_cast<int>(gid - first);
  }
};

class WorldChecker {
 public:
  WorldChecker(const TiledMap& map, const QString& fileName) : map_(map), fileName_(fileName.toStdString()) {}

  WorldData Check() {
    CheckShape();
    CheckTilesets();
    WorldData world;
    ReadTiles(world, Layer(kTilesLayer, TiledLayer::Kind::Tiles));
    ReadObjects(world, Layer(kObjectsLayer, TiledLayer::Kind::Objects));
    ReadScreens(world, Layer(kScreensLayer, TiledLayer::Kind::Objects));
    ReadMapProperties(world);
    return world;
  }

 private:
  [[noreturn]] void Fail(const std::string& place, const std::string& what) const {
    throw EditorError(fileName_ + ": " + place + ": " + what);
  }

  void CheckShape() const {
    if (map_.orientation != "orthogonal" || map_.infinite)
      Fail("the map", "it must be an orthogonal map of fixed size, as the export writes it");
    if (map_.width != kMapColumns || map_.height != kMapRows)
      Fail("the map", "it is " + std::to_string(map_.width) + " x " + std::to_string(map_.height) +
                          " tiles; the world is 128 x 48");
    if (map_.tileWidth != kMapTilePixels || map_.tileHeight != kMapTilePixels)
      Fail("the map", "its tiles are " + std::to_string(map_.tileWidth) + " x " +
                          std::to_string(map_.tileHeight) + " pixels instead of 32 x 32");
  }

  // The tile atlas comes first and the object atlas second, as the export writes them.
  void CheckTilesets() {
    std::vector<TiledTileset> tilesets = map_.tilesets;
    std::sort(tilesets.begin(), tilesets.end(),
              [](const TiledTileset& a, const TiledTileset& b) { return a.firstGid < b.firstGid; });
    if (tilesets.size() != 2 || tilesets[0].firstGid < 1 ||
        tilesets[1].firstGid < tilesets[0].firstGid + kCodeCount)
      Fail("the map",
           "it needs exactly its two tilesets, the 256 tile codes and then the item and enemy pictures");
    tiles_ = {static_cast<std::uint32_t>(tilesets[0].firstGid), kCodeCount};
    objects_ = {static_cast<std::uint32_t>(tilesets[1].firstGid), kObjectAtlasCount};
  }

  const TiledLayer& Layer(const QString& name, TiledLayer::Kind kind) const {
    const TiledLayer* found = nullptr;
    for (const TiledLayer& layer : map_.layers) {
      if (layer.name != name) continue;
      if (found) Fail("layer \"" + name.toStdString() + "\"", "the map has two layers of that name");
      found = &layer;
    }
    if (!found) Fail("layer \"" + name.toStdString() + "\"", "the map has no such layer");
    if (found->kind != kind)
      Fail("layer \"" + name.toStdString() + "\"",
           kind == TiledLayer::Kind::Tiles ? "it must be a tile layer" : "it must be an object layer");
    return *found;
  }

  void ReadTiles(WorldData& world, const TiledLayer& layer) const {
    if (layer.width != kMapColumns || layer.height != kMapRows)
      Fail("layer \"tiles\"", "it is " + std::to_string(layer.width) + " x " + std::to_string(layer.height) +
                                  " tiles; the world is 128 x 48");
    for (int screen = 1; screen <= kScreenCount; ++screen) {
      for (int cell = 0; cell < kTileCount; ++cell) {
        const int index = MapCellIndex(screen, cell);
        const std::uint32_t gid = layer.gids[static_cast<std::size_t>(index)];
        const auto code = (gid & kGidFlagBits) ? std::nullopt : tiles_.indexOf(gid);
        if (!code)
          Fail("layer \"tiles\", cell (" + std::to_string(index % kMapColumns) + ", " +
                   std::to_string(index / kMapColumns) + ") = screen " + std::to_string(screen) + " cell " +
                   std::to_string(cell + 1),
               (gid & kGidFlagBits)
                   ? "the tile is flipped or rotated, which the game cannot show"
                   : "gid " + std::to_string(gid) + " is not one of the 256 tile codes (gids " +
                         std::to_string(tiles_.first) + ".." + std::to_string(tiles_.first + kCodeCount - 1) +
                         ")");
        world.screens[screen - 1].tiles[cell] = static_cast<std::uint8_t>(*code);
      }
    }
  }

  static std::string ObjectPlace(const QString& layer, const TiledObject& object) {
    return "layer \"" + layer.toStdString() + "\", object " + std::to_string(object.id) +
           (object.name.isEmpty() ? std::string() : " \"" + object.name.toStdString() + "\"");
  }

  int IntegerProperty(const QVariantMap& properties, const QString& name, int min, int max,
                      const std::string& place) const {
    if (!properties.contains(name)) Fail(place, "the property " + name.toStdString() + " is missing");
    const QVariant value = properties.value(name);
    bool ok = false;
    int number = 0;
    if (value.typeId() == QMetaType::QString) {
      number = value.toString().trimmed().toInt(&ok, 10);
    } else {
      const double real = value.toDouble(&ok);
      ok = ok && real == std::floor(real) && std::fabs(real) < 1e9;
      number = static_cast<int>(real);
    }
    if (!ok || number < min || number > max)
      Fail(place, "the property " + name.toStdString() + " is " +
                      QuotedText(value.toString().toStdU16String()) + ", not a whole number from " +
                      std::to_string(min) + " to " + std::to_string(max));
    return number;
  }

  std::u16string TextProperty(const QVariantMap& properties, const QString& name, std::size_t length,
                              const std::string& place) const {
    if (!properties.contains(name)) Fail(place, "the property " + name.toStdString() + " is missing");
    const std::u16string text = UnescapedText(properties.value(name).toString().toStdString());
    if (text.size() > length)
      Fail(place, "the property " + name.toStdString() + " has " + std::to_string(text.size()) +
                      " characters; at most " + std::to_string(length) + " fit");
    if (const auto bad = FindUnencodable(text))
      Fail(place, UnencodableTextMessage(name.toStdString(), text, *bad));
    return text + std::u16string(length - text.size(), u' ');
  }

  void ReadObjects(WorldData& world, const TiledLayer& layer) const {
    std::array<std::array<int, kSlotCount>, kScreenCount> seen{};  // object ids, 0 while unseen
    for (const TiledObject& object : layer.objects) {
      const std::string place = ObjectPlace(kObjectsLayer, object);
      const int screen = IntegerProperty(object.properties, "screen", 1, kScreenCount, place);
      const QString slotName = object.properties.value("slot").toString();
      const auto slot = SlotOfName(slotName);
      if (!slot)
        Fail(place, "the property slot is \"" + slotName.toStdString() + "\", not item or enemy1..enemy4");
      int& seenId = seen[screen - 1][*slot];
      if (seenId != 0)
        Fail(place, "screen " + std::to_string(screen) + " already has its " + slotName.toStdString() +
                        " (object " + std::to_string(seenId) + "): a screen holds one item and four enemies");
      seenId = std::max(object.id, 1);
      const int kind = IntegerProperty(object.properties, "kind", 0, kCodeCount - 1, place);
      const int stored = IntegerProperty(object.properties, "destination", 0, 255, place);
      const auto shown = (object.gid & kGidFlagBits) ? std::nullopt : objects_.indexOf(object.gid);
      if (!shown || *shown != ObjectAtlasIndex(*slot, kind))
        Fail(place, "its picture (gid " + std::to_string(object.gid) + ") is not the picture of " +
                        slotName.toStdString() + " kind " + std::to_string(kind) +
                        "; change the kind with the property kind");
      const int destination = DestinationOf(screen, stored, object, place);
      ScreenData& data = world.screens[screen - 1];
      if (*slot == 0) {
        data.itemCode = static_cast<std::uint8_t>(kind);
        data.itemDestination = static_cast<std::uint8_t>(destination);
      } else {
        data.enemyKinds[*slot - 1] = static_cast<std::uint8_t>(kind);
        data.enemyDestinations[*slot - 1] = static_cast<std::uint8_t>(destination);
      }
    }
    for (int screen = 1; screen <= kScreenCount; ++screen)
      for (int slot = 0; slot < kSlotCount; ++slot)
        if (seen[screen - 1][slot] == 0)
          Fail("layer \"objects\"",
               "screen " + std::to_string(screen) + " has no " + SlotName(slot).toStdString());
  }

  // The centre of the picture decides: a tile object's position is its bottom-left corner.
  int DestinationOf(int screen, int stored, const TiledObject& object, const std::string& place) const {
    const QPointF centre = object.position + QPointF(object.size.width() / 2, -object.size.height() / 2);
    const auto now = DestinationAt(screen, centre);
    if (!now) Fail(place, "it lies outside screen " + std::to_string(screen));
    const QPoint exported = ObjectCorner(screen, stored) + QPoint(kObjectPixels / 2, kObjectPixels / 2);
    return DestinationAt(screen, exported) == now ? stored : *now;
  }

  void ReadScreens(WorldData& world, const TiledLayer& layer) const {
    std::array<bool, kScreenCount> seen{};
    for (const TiledObject& object : layer.objects) {
      const std::string place = ObjectPlace(kScreensLayer, object);
      int screen = 0;
      for (int n = 1; n <= kScreenCount && screen == 0; ++n)
        if (object.name == ScreenObjectName(n)) screen = n;
      if (screen == 0) Fail(place, "its name is not \"Screen N\" with N from 1 to 128");
      if (seen[screen - 1]) Fail(place, "the layer has a second rectangle of that name");
      seen[screen - 1] = true;
      ScreenData& data = world.screens[screen - 1];
      data.message = TextProperty(object.properties, "message", kMessageLength, place);
      data.palette1 =
          static_cast<std::uint8_t>(IntegerProperty(object.properties, "palette1", 0, 255, place));
      data.palette2 =
          static_cast<std::uint8_t>(IntegerProperty(object.properties, "palette2", 0, 255, place));
    }
    for (int screen = 1; screen <= kScreenCount; ++screen)
      if (!seen[screen - 1])
        Fail("layer \"screens\"", "there is no rectangle \"" + ScreenObjectName(screen).toStdString() + "\"");
  }

  void ReadMapProperties(WorldData& world) const {
    const int start = IntegerProperty(map_.properties, "startScreen", 0, kScreenCount, "the map");
    const int end = IntegerProperty(map_.properties, "endScreen", 0, kScreenCount, "the map");
    if (start > 0) world.startScreen = start;
    if (end > 0) world.endScreen = end;
    world.endingText = TextProperty(map_.properties, "endingText", kEndingTextLength, "the map");
  }

  const TiledMap& map_;
  std::string fileName_;
  GidRange tiles_;
  GidRange objects_;
};
}  // namespace

WorldData WorldFromMap(const TiledMap& map, const QString& fileName) {
  return WorldChecker(map, fileName).Check();
}

}  // namespace quelbrook
