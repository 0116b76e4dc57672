// Reading Tiled's two file formats and its ways of storing tile layers.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QtEndian>

#include "editor_error.h"
#include "rom_builder.h"
#include "tile_layer_data.h"
#include "tiled_map.h"

namespace quelbrook::testing {
namespace {

std::string RefusalOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const EditorError& error) {
    return error.what();
  }
  return "accepted";
}

QByteArray LittleEndianGids(const std::vector<std::uint32_t>& gids) {
  QByteArray bytes;
  for (std::uint32_t gid : gids) {
    char word[4];
    qToLittleEndian(gid, word);
    bytes.append(word, 4);
  }
  return bytes;
}

QByteArray Deflated(const QByteArray& bytes, int windowBits) {
  z_stream stream{};
  EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY), Z_OK);
  QByteArray out(1 << 16, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
  out.truncate(static_cast<qsizetype>(stream.total_out));
  deflateEnd(&stream);
  return out;
}

TEST(TileLayerData, EveryEncodingTiledOffersGivesTheSameCells) {
  const std::vector<std::uint32_t> gids{1, 256, 0x80000005u, 42};
  const QByteArray raw = LittleEndianGids(gids);
  EXPECT_EQ(DecodeTileData("csv", "", "\n1,256,\n2147483653,42\n", 4), gids);
  EXPECT_EQ(DecodeTileData("base64", "", raw.toBase64(), 4), gids);
  EXPECT_EQ(DecodeTileData("base64", "zlib", Deflated(raw, 15).toBase64(), 4), gids);
  EXPECT_EQ(DecodeTileData("base64", "gzip", Deflated(raw, 15 + 16).toBase64(), 4), gids);
}

TEST(TileLayerData, DataOfTheWrongSizeOrFormIsRefused) {
  EXPECT_EQ(RefusalOf([] { DecodeTileData("csv", "", "1,2,3", 4); }),
            "the tile data holds 3 cells instead of 4");
  EXPECT_EQ(RefusalOf([] { DecodeTileData("csv", "", "1,2,3,4,5", 4); }),
            "the tile data holds more than the layer's 4 cells");
  EXPECT_EQ(RefusalOf([] { DecodeTileData("csv", "", "1,x,3,4", 4); }), "'x' is not a tile number");
  EXPECT_EQ(RefusalOf([] { DecodeTileData("base64", "", "!!!", 4); }), "the tile data is not valid base64");
  EXPECT_EQ(RefusalOf([] { DecodeTileData("base64", "zlib", QByteArray("garbage").toBase64(), 4); }),
            "the packed tile data is damaged");
  // A bomb that unpacks far beyond the layer stops at the layer's size.
  const QByteArray bomb = Deflated(QByteArray(1 << 20, '\0'), 15).toBase64();
  EXPECT_EQ(RefusalOf([&] { DecodeTileData("base64", "zlib", bomb, 4); }),
            "the tile data holds more than the layer's 4 cells");
  EXPECT_NE(RefusalOf([&] { DecodeTileData("base64", "zstd", "AAAA", 1); }).find("zstd cannot be read"),
            std::string::npos);
  EXPECT_NE(
      RefusalOf([] { DecodeTileData("", "", "<tile gid=\"1\"/>", 1); }).find("XML elements cannot be read"),
      std::string::npos);
}

const char* const kSmallTmx = R"(<?xml version="1.0" encoding="UTF-8"?>
<map version="1.8" orientation="orthogonal" width="2" height="1" tilewidth="32" tileheight="32" infinite="0">
 <properties><property name="n" type="int" value="7"/><property name="text">two
lines</property></properties>
 <tileset firstgid="1" source="a.tsx"/>
 <group name="folder"><layer name="inner" width="1" height="1"><data encoding="csv">1</data></layer></group>
 <layer name="tiles" width="2" height="1"><data encoding="csv">3,4</data></layer>
 <objectgroup name="objects">
  <object id="5" name="thing" gid="9" x="1.5" y="20" width="16" height="16" visible="0">
   <properties><property name="slot" value="item"/></properties>
  </object>
 </objectgroup>
</map>)";

const char* const kSmallTmj = R"({"type": "map", "orientation": "orthogonal", "width": 2, "height": 1,
 "tilewidth": 32, "tileheight": 32, "infinite": false,
 "properties": [{"name": "n", "type": "int", "value": 7}, {"name": "text", "type": "string", "value": "two\nlines"}],
 "tilesets": [{"firstgid": 1, "source": "a.tsx"}],
 "layers": [{"type": "group", "name": "folder", "layers": []},
            {"type": "tilelayer", "name": "tiles", "width": 2, "height": 1, "data": [3, 4]},
            {"type": "objectgroup", "name": "objects", "objects": [
              {"id": 5, "name": "thing", "gid": 9, "x": 1.5, "y": 20, "width": 16, "height": 16, "visible": false,
               "properties": [{"name": "slot", "type": "string", "value": "item"}]}]}]})";

TEST(TiledMapReading, TmxAndTmjOfTheSameMapReadAlike) {
  for (const TiledMap& map : {ReadTmx(kSmallTmx, "a.tmx"), ReadTmj(kSmallTmj, "a.tmj")}) {
    EXPECT_EQ(map.orientation, "orthogonal");
    EXPECT_EQ(map.width, 2);
    EXPECT_EQ(map.properties.value("n").toInt(), 7);
    EXPECT_EQ(map.properties.value("text").toString(), "two\nlines");
    ASSERT_EQ(map.tilesets.size(), 1u);
    EXPECT_EQ(map.tilesets[0].firstGid, 1);
    ASSERT_EQ(map.layers.size(), 3u);
    EXPECT_EQ(map.layers[0].kind, TiledLayer::Kind::Other);  // a group is no layer of ours
    EXPECT_EQ(map.layers[1].gids, (std::vector<std::uint32_t>{3, 4}));
    ASSERT_EQ(map.layers[2].objects.size(), 1u);
    const TiledObject& object = map.layers[2].objects[0];
    EXPECT_EQ(object.id, 5);
    EXPECT_EQ(object.gid, 9u);
    EXPECT_EQ(object.position, QPointF(1.5, 20));
    EXPECT_FALSE(object.visible);
    EXPECT_EQ(object.properties.value("slot").toString(), "item");
  }
}

TEST(TiledMapReading, FilesThatAreNoMapAreRefusedWithTheirNameAndPlace) {
  EXPECT_EQ(RefusalOf([] { ReadTmx("<tileset/>", "a.tmx"); }), "a.tmx, line 1: the file is not a Tiled map");
  EXPECT_EQ(RefusalOf([] { ReadTmx("<map width=\"2\">\n<layer", "a.tmx").width; }).substr(0, 13),
            "a.tmx, line 2");
  EXPECT_EQ(RefusalOf([] { ReadTmx("<map width=\"two\"/>", "a.tmx"); }),
            "a.tmx, line 1: the attribute width is not a whole number");
  EXPECT_EQ(RefusalOf([] {
              ReadTmx(
                  "<map>\n<layer name=\"tiles\" width=\"2\" height=\"1\">\n<data encoding=\"csv\">1</data>"
                  "</layer></map>",
                  "a.tmx");
            }),
            "a.tmx, line 3: layer \"tiles\": the tile data holds 1 cell instead of 2");
  EXPECT_EQ(RefusalOf([] {
              ReadTmx("<map><layer name=\"t\" width=\"100000\" height=\"100000\"/></map>", "a.tmx");
            }),
            "a.tmx: layer \"t\" is 100000 x 100000 tiles; the world is 128 x 48");
  EXPECT_EQ(RefusalOf([] { ReadTmj("{\"type\": \"tileset\"}", "a.tmj"); }),
            "a.tmj: the file is not a Tiled map");
  EXPECT_EQ(RefusalOf([] { ReadTmj("{\"type\": ", "a.tmj"); }).substr(0, 18), "a.tmj: character 9");
  EXPECT_EQ(RefusalOf([] { ReadTmj("[1, 2]", "a.tmj"); }), "a.tmj: the file is not a Tiled map");
  EXPECT_EQ(RefusalOf([] {
              ReadTmj(R"({"type": "map", "layers": [{"type": "tilelayer", "name": "tiles", "width": 2,
                          "height": 1, "data": [1, -4]}]})",
                      "a.tmj");
            }),
            "a.tmj: layer \"tiles\": cell 2 is not a tile number");
}

TEST(TiledMapReading, OnlyTiledMapNamesAreRead) {
  TempDir dir;
  WriteText(dir / "world.txt", kSmallTmx);
  EXPECT_EQ(RefusalOf([&] { ReadTiledMapFile((dir / "world.txt").string()); }),
            "world.txt: a Tiled map is a .tmx, .tmj or .json file");
  WriteText(dir / "world.tmx", kSmallTmx);
  EXPECT_EQ(ReadTiledMapFile((dir / "world.tmx").string()).width, 2);
  EXPECT_EQ(RefusalOf([&] { ReadTiledMapFile((dir / "none.tmx").string()); }), "File not found");
}

}  // namespace
}  // namespace quelbrook::testing
