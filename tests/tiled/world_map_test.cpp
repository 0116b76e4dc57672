// The map the export writes, read back and checked: what comes back, and what is refused.
#include <gtest/gtest.h>

#include "editor_error.h"
#include "rom_builder.h"
#include "screen_decoding.h"
#include "test_worlds.h"
#include "text_codec.h"
#include "world_export.h"
#include "world_from_map.h"
#include "world_map_layout.h"

namespace quelbrook::testing {
namespace {

// Every screen different, with the values that need care: an unset (255) and an
// off-grid (200) destination, a message byte outside the alphabet, a double quote.
WorldData OddWorld() {
  WorldData world = DistinctWorld();
  world.screens[0].itemDestination = 255;
  world.screens[1].enemyDestinations[2] = 200;
  world.screens[2].message[3] = DecodeTextByte(0xE7);
  world.screens[3].message[0] = u'"';
  world.screens[4].itemCode = 0xC4;
  world.startScreen = 40;
  world.endingText = u"THE END \" " + std::u16string(1, DecodeTextByte(0x01)) + std::u16string(105, u' ');
  return world;
}

void ExpectSameWorld(const WorldData& a, const WorldData& b) {
  for (int screen = 1; screen <= kScreenCount; ++screen)
    EXPECT_EQ(EncodeScreenRecord(a.screens[screen - 1]), EncodeScreenRecord(b.screens[screen - 1]))
        << "screen " << screen;
  EXPECT_EQ(a.startScreen, b.startScreen);
  EXPECT_EQ(a.endScreen, b.endScreen);
  EXPECT_EQ(a.endingText, b.endingText);
}

TiledMap Exported(const WorldData& world) {
  return ReadTmx(WorldMapXml(world, TilesetNamesOf("world.tmx")), "world.tmx");
}

TiledLayer& LayerOf(TiledMap& map, const QString& name) {
  for (auto& layer : map.layers)
    if (layer.name == name) return layer;
  throw std::logic_error("no layer");
}

TiledObject& ObjectOf(TiledMap& map, int screen, int slot) {
  return LayerOf(map, kObjectsLayer).objects[static_cast<std::size_t>((screen - 1) * kSlotCount + slot)];
}

std::string RefusalOf(const TiledMap& map) {
  try {
    WorldFromMap(map, "world.tmx");
  } catch (const EditorError& error) {
    return error.what();
  }
  return "accepted";
}

TEST(WorldMap, AnExportedWorldComesBackByteForByte) {
  const WorldData world = OddWorld();
  ExpectSameWorld(WorldFromMap(Exported(world), "world.tmx"), world);

  WorldData noSettings = world;
  noSettings.startScreen.reset();
  noSettings.endScreen.reset();
  ExpectSameWorld(WorldFromMap(Exported(noSettings), "world.tmx"), noSettings);
}

TEST(WorldMap, TilesAreLaidOutScreenByScreenWithGidCodePlusOne) {
  WorldData world = OddWorld();
  world.screens[17].tiles[9] = 0xAF;  // screen 18: world column 1, row 1; cell 10: column 1, row 1
  const TiledMap map = Exported(world);
  const TiledLayer& tiles = map.layers.front();
  EXPECT_EQ(tiles.gids[(6 + 1) * 128 + 8 + 1], 0xAFu + 1);
  EXPECT_EQ(MapCellIndex(18, 9), (6 + 1) * 128 + 8 + 1);
}

TEST(WorldMap, ObjectsStandWhereTheMarkersAreAndOffGridOnesAreHidden) {
  const WorldData world = OddWorld();
  TiledMap map = Exported(world);
  // Screen 2's item: destination 6 lies in column 6, row 0 of screen 2 (x from 256).
  const TiledObject& item = ObjectOf(map, 2, 0);
  EXPECT_EQ(item.position, QPointF(256 + 6 * 16, 16));
  EXPECT_TRUE(item.visible);
  EXPECT_EQ(item.gid, static_cast<std::uint32_t>(kObjectsFirstGid + (2 % 12)));
  EXPECT_FALSE(ObjectOf(map, 2, 3).visible);                // destination 200
  EXPECT_EQ(ObjectOf(map, 1, 0).position, QPointF(0, 16));  // 255 shows as 0
  EXPECT_EQ(ObjectOf(map, 5, 0).gid, static_cast<std::uint32_t>(kObjectsFirstGid + 0xC4));
}

TEST(WorldMap, AMovedObjectTakesTheCellItLiesInAndOneLeftInItsCellKeepsItsByte) {
  TiledMap map = Exported(OddWorld());
  // Screen 20 lies at world column 3, row 1: origin (768, 192).
  ObjectOf(map, 20, 2).position = QPointF(768 + 5 * 16 + 3, 192 + 7 * 16 + 16 - 2);
  ObjectOf(map, 1, 0).position += QPointF(4, 3);           // 255 nudged inside cell 0
  ObjectOf(map, 2, 3).position += QPointF(1, 0);           // 200, hidden at the corner, nudged
  ObjectOf(map, 3, 0).position = QPointF(512 + 240, 192);  // the last cell of row 11
  const WorldData back = WorldFromMap(map, "world.tmx");
  EXPECT_EQ(back.screens[19].enemyDestinations[1], 7 * 16 + 5);
  EXPECT_EQ(back.screens[0].itemDestination, 255);
  EXPECT_EQ(back.screens[1].enemyDestinations[2], 200);
  EXPECT_EQ(back.screens[2].itemDestination, 11 * 16 + 15);
}

TEST(WorldMap, DamagedMapsAreRefusedWithThePlaceNamed) {
  const TiledMap exported = Exported(OddWorld());
  struct Case {
    const char* what;
    std::function<void(TiledMap&)> damage;
    std::string expected;
  };
  const std::vector<Case> cases{
      {"missing layer", [](TiledMap& m) { LayerOf(m, kScreensLayer).name = "notes"; },
       "world.tmx: layer \"screens\": the map has no such layer"},
      {"wrong size", [](TiledMap& m) { m.width = 127; },
       "world.tmx: the map: it is 127 x 48 tiles; the world is 128 x 48"},
      {"gid out of range", [](TiledMap& m) { LayerOf(m, kTilesLayer).gids[MapCellIndex(2, 4)] = 300; },
       "world.tmx: layer \"tiles\", cell (12, 0) = screen 2 cell 5: gid 300 is not one of the 256 tile codes "
       "(gids 1..256)"},
      {"empty cell", [](TiledMap& m) { LayerOf(m, kTilesLayer).gids[0] = 0; },
       "world.tmx: layer \"tiles\", cell (0, 0) = screen 1 cell 1: gid 0 is not one of the 256 tile codes "
       "(gids 1..256)"},
      {"flipped tile", [](TiledMap& m) { LayerOf(m, kTilesLayer).gids[1] |= 0x80000000u; },
       "world.tmx: layer \"tiles\", cell (1, 0) = screen 1 cell 2: the tile is flipped or rotated"},
      {"sixth object",
       [](TiledMap& m) {
         TiledObject extra = ObjectOf(m, 7, 2);
         extra.id = 900;
         LayerOf(m, kObjectsLayer).objects.push_back(extra);
       },
       "world.tmx: layer \"objects\", object 900 \"Screen 7 enemy2\": screen 7 already has its enemy2 "
       "(object 33)"},
      {"missing enemy",
       [](TiledMap& m) {
         auto& objects = LayerOf(m, kObjectsLayer).objects;
         objects.erase(objects.begin() + 9);
       },
       "world.tmx: layer \"objects\": screen 2 has no enemy4"},
      {"message outside the alphabet",
       [](TiledMap& m) { LayerOf(m, kScreensLayer).objects[3].properties["message"] = "Hello"; },
       "world.tmx: layer \"screens\", object 644 \"Screen 4\": "},
      {"kind out of range", [](TiledMap& m) { ObjectOf(m, 3, 1).properties["kind"] = 256; },
       "world.tmx: layer \"objects\", object 12 \"Screen 3 enemy1\": the property kind is \"256\", not a "
       "whole "
       "number from 0 to 255"},
      {"picture and kind disagree", [](TiledMap& m) { ObjectOf(m, 3, 1).gid += 1; },
       "world.tmx: layer \"objects\", object 12 \"Screen 3 enemy1\": its picture (gid"},
      {"moved into another screen", [](TiledMap& m) { ObjectOf(m, 3, 1).position = QPointF(10, 30); },
       "world.tmx: layer \"objects\", object 12 \"Screen 3 enemy1\": it lies outside screen 3"},
      {"palette out of range",
       [](TiledMap& m) { LayerOf(m, kScreensLayer).objects[0].properties["palette2"] = -1; },
       "world.tmx: layer \"screens\", object 641 \"Screen 1\": the property palette2 is \"-1\""},
      {"message too long",
       [](TiledMap& m) { LayerOf(m, kScreensLayer).objects[0].properties["message"] = "SEVENTEEN LETTERS"; },
       "world.tmx: layer \"screens\", object 641 \"Screen 1\": the property message has 17 characters; at "
       "most 16 fit"},
      {"start screen out of range", [](TiledMap& m) { m.properties["startScreen"] = 129; },
       "world.tmx: the map: the property startScreen is \"129\""},
      {"ending text missing", [](TiledMap& m) { m.properties.remove("endingText"); },
       "world.tmx: the map: the property endingText is missing"},
      {"a third tileset",
       [](TiledMap& m) {
         m.tilesets.push_back({1000, "more.tsx"});
       },
       "world.tmx: the map: it needs exactly its two tilesets"},
  };
  for (const Case& c : cases) {
    TiledMap map = exported;
    c.damage(map);
    const std::string refusal = RefusalOf(map);
    EXPECT_EQ(refusal.substr(0, c.expected.size()), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace quelbrook::testing
