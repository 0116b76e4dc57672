// Writes the small starting corpus of each fuzz target: files as the editor exports
// them, a short cartridge image and bitmaps of every depth and compression, so nothing
// binary is kept in git.

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "byte_map.h"
#include "hex_text.h"
#include "map_file.h"
#include "screen_decoding.h"
#include "tpie_file.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  Write(path, std::string(bytes.begin(), bytes.end()));
}

void WriteMaps(const fs::path& dir) {
  quelbrook::MapFile codes;
  for (int i = 0; i < quelbrook::kTileCount; ++i) codes[i] = quelbrook::IntToHexText(i * 5 % 176);
  Write(dir / "export.map", quelbrook::WriteMapFile(codes));
  codes.fill("0");
  std::string lf = quelbrook::WriteMapFile(codes);
  lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
  Write(dir / "lf.map", lf);
}

void WriteTpies(const fs::path& dir) {
  quelbrook::TpieFile values;
  values.message = u"HELLO WORLD";
  values.palette1 = "3";
  values.palette2 = "12";
  values.itemDestination = "100";
  values.enemyDestinations = {"1", "22", "33", "128"};
  values.enemyKinds = {"0", "5", "A", "F"};
  values.itemCode = "B";
  Write(dir / "export.tpie", quelbrook::WriteTpieFile(values));
  values.message = std::u16string(1, static_cast<char16_t>(0xE0FF));  // a foreign byte's character
  Write(dir / "foreign.tpie", quelbrook::WriteTpieFile(values));
}

void WriteRoms(const fs::path& dir) {
  // Just long enough for the start-screen byte, the last region the editor reads.
  std::vector<std::uint8_t> rom(quelbrook::kStartScreenOffset + 1, 0);
  for (int screen = 1; screen <= quelbrook::kScreenCount; ++screen)
    for (int i = 0; i < quelbrook::kScreenRecordLength; ++i)
      rom[quelbrook::ScreenRecordOffset(screen) + i] = static_cast<std::uint8_t>(screen * 7 + i);
  for (int i = 0; i < quelbrook::kEndingTextLength; ++i)
    rom[quelbrook::kEndingTextOffset + i] = 0x0A + i % 40;
  rom[quelbrook::kStartScreenOffset] = quelbrook::EncodeStartScreenByte(5);
  const int hook = quelbrook::kEndScreenHookOffset;
  const int operand = quelbrook::EndCodeBlockAddress(28);
  rom[hook] = quelbrook::kJsrOpcode;
  rom[hook + 1] = static_cast<std::uint8_t>(operand & 0xFF);
  rom[hook + 2] = static_cast<std::uint8_t>(operand >> 8);
  Write(dir / "short.nes", rom);
  rom.resize(quelbrook::ScreenRecordOffset(3) + 40);  // ends inside a record
  Write(dir / "truncated.nes", rom);
}

// A Windows bitmap written byte by byte, so the seeds hold every depth and compression a
// bitmap may have, not only what Qt's writer makes: 1, 4, 8 (also RLE4 and RLE8), 16 and
// 32 bits (also with bit fields), 24 bits, an OS/2 header and rows stored top-down.
struct BitmapLayout {
  int bits;
  int compression;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  int width;
  int height;
  bool core = false;     // the 12-byte OS/2 header
  bool topDown = false;  // negative height
};

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Colour index or channel value of a pixel: stripes and gradients, so that the pixels differ.
int Shade(int x, int y) { return (x * 7 + y * 13) & 0xFF; }

std::string PixelRows(const BitmapLayout& layout) {
  std::string rows;
  const int colours = layout.bits <= 8 ? (1 << layout.bits) : 0;
  for (int row = 0; row < layout.height; ++row) {
    const int y = layout.topDown ? row : layout.height - 1 - row;
    std::string line;
    if (layout.compression == 1 || layout.compression == 2) {  // runs of two pixels per pair of bytes
      const int per = layout.compression == 1 ? 1 : 2;
      for (int x = 0; x < layout.width; x += 8) {
        const int count = std::min(8, layout.width - x);
        const int index = Shade(x, y) % colours;
        line += static_cast<char>(count);
        line += static_cast<char>(per == 1 ? index : (index << 4) | ((index + 1) % colours));
      }
      line += std::string("\0\0", 2);  // end of line
      rows += line;
      continue;
    }
    std::uint32_t bitsBuffer = 0;
    int bitsHeld = 0;
    for (int x = 0; x < layout.width; ++x) {
      const int shade = Shade(x, y);
      if (layout.bits <= 8) {
        bitsBuffer = (bitsBuffer << layout.bits) | static_cast<std::uint32_t>(shade % colours);
        bitsHeld += layout.bits;
        if (bitsHeld == 8) {
          line += static_cast<char>(bitsBuffer);
          bitsBuffer = 0;
          bitsHeld = 0;
        }
      } else if (layout.bits == 16) {
        Put(line, static_cast<std::uint32_t>((shade >> 3) << 10 | (x & 31) << 5 | (y & 31)), 2);
      } else if (layout.bits == 24) {
        Put(line, static_cast<std::uint32_t>(shade << 16 | (x * 4 & 0xFF) << 8 | (y * 4 & 0xFF)), 3);
      } else {
        Put(line,
            static_cast<std::uint32_t>(0xFFu << 24 | shade << 16 | (x * 4 & 0xFF) << 8 | (y * 4 & 0xFF)), 4);
      }
    }
    if (bitsHeld) line += static_cast<char>(bitsBuffer << (8 - bitsHeld));
    while (line.size() % 4) line += '\0';
    rows += line;
  }
  if (layout.compression == 1 || layout.compression == 2) rows += std::string("\0\1", 2);  // end of bitmap
  return rows;
}

std::string Bitmap(const BitmapLayout& layout) {
  const int colours = layout.bits <= 8 ? (1 << layout.bits) : 0;
  const int headerSize = layout.core ? 12 : 40;
  const int masks = layout.compression == 3 ? 12 : 0;
  const int entry = layout.core ? 3 : 4;
  const std::string pixels = PixelRows(layout);
  const std::uint32_t dataOffset = 14 + headerSize + masks + colours * entry;
  std::string out = "BM";
  Put(out, dataOffset + static_cast<std::uint32_t>(pixels.size()), 4);
  Put(out, 0, 4);
  Put(out, dataOffset, 4);
  Put(out, static_cast<std::uint32_t>(headerSize), 4);
  const int height = layout.topDown ? -layout.height : layout.height;
  if (layout.core) {
    Put(out, static_cast<std::uint32_t>(layout.width), 2);
    Put(out, static_cast<std::uint32_t>(height), 2);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(layout.bits), 2);
  } else {
    Put(out, static_cast<std::uint32_t>(layout.width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(layout.bits), 2);
    Put(out, static_cast<std::uint32_t>(layout.compression), 4);
    Put(out, static_cast<std::uint32_t>(pixels.size()), 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, static_cast<std::uint32_t>(colours), 4);
    Put(out, 0, 4);
  }
  if (masks) {
    if (layout.bits == 16) {  // 5-6-5
      Put(out, 0xF800, 4);
      Put(out, 0x07E0, 4);
      Put(out, 0x001F, 4);
    } else {
      Put(out, 0x00FF0000, 4);
      Put(out, 0x0000FF00, 4);
      Put(out, 0x000000FF, 4);
    }
  }
  for (int i = 0; i < colours; ++i) {
    const int level = colours > 1 ? i * 255 / (colours - 1) : 0;
    Put(out, static_cast<std::uint32_t>(level << 16 | (255 - level) << 8 | (level * 3 & 0xFF)), entry);
  }
  return out + pixels;
}

void WriteBitmaps(const fs::path& dir) {
  fs::create_directories(dir);
  // The game's own size (32 x 32) at every depth, and larger pictures of 8 to 33 KB such
  // as real picture folders hold.
  const std::vector<std::pair<const char*, BitmapLayout>> layouts = {
      {"1bit.bmp", {1, 0, 32, 32}},
      {"4bit.bmp", {4, 0, 32, 32}},
      {"4bit-rle4.bmp", {4, 2, 32, 32}},
      {"8bit.bmp", {8, 0, 32, 32}},
      {"8bit-rle8.bmp", {8, 1, 32, 32}},
      {"16bit-555.bmp", {16, 0, 32, 32}},
      {"16bit-565-bitfields.bmp", {16, 3, 32, 32}},
      {"24bit.bmp", {24, 0, 32, 32}},
      {"24bit-top-down.bmp", {24, 0, 32, 32, false, true}},
      {"24bit-os2.bmp", {24, 0, 32, 32, true}},
      {"8bit-os2.bmp", {8, 0, 32, 32, true}},
      {"32bit.bmp", {32, 0, 32, 32}},
      {"32bit-bitfields.bmp", {32, 3, 32, 32}},
      {"24bit-96x96.bmp", {24, 0, 96, 96}},    // 27,702 bytes
      {"8bit-128x96.bmp", {8, 0, 128, 96}},    // 13,366 bytes
      {"32bit-90x90.bmp", {32, 0, 90, 90}},    // 32,454 bytes
      {"16bit-100x80.bmp", {16, 0, 100, 80}},  // 16,054 bytes
      {"8bit-rle8-160x100.bmp", {8, 1, 160, 100}},
  };
  for (const auto& [name, layout] : layouts) Write(dir / name, Bitmap(layout));
  // And what Qt's own writer makes of the same picture.
  QImage colour(32, 32, QImage::Format_RGB32);
  for (int y = 0; y < colour.height(); ++y)
    for (int x = 0; x < colour.width(); ++x) colour.setPixel(x, y, qRgb(x * 8, y * 8, 200));
  colour.save(QString::fromStdString((dir / "qt-rgb.bmp").string()), "BMP");
  colour.convertToFormat(QImage::Format_Indexed8)
      .save(QString::fromStdString((dir / "qt-indexed.bmp").string()), "BMP");
}

}  // namespace

// The first byte picks the format: even for XML, odd for JSON.
void WriteTiledMaps(const fs::path& dir) {
  Write(dir / "small.tmx",
        std::string(1, '\0') +
            R"(<map orientation="orthogonal" width="2" height="1" tilewidth="32" tileheight="32">
<properties><property name="startScreen" type="int" value="7"/><property name="endingText" value="A\u00E0"/></properties>
<tileset firstgid="1" source="w-tiles.tsx"/><tileset firstgid="257" source="w-objects.tsx"/>
<layer name="tiles" width="2" height="1"><data encoding="csv">1,2</data></layer>
<objectgroup name="objects"><object id="1" gid="257" x="0" y="16" width="16" height="16"><properties>
<property name="screen" type="int" value="1"/><property name="slot" value="item"/>
<property name="kind" type="int" value="0"/><property name="destination" type="int" value="0"/>
</properties></object></objectgroup>
<objectgroup name="screens"><object id="2" name="Screen 1" x="0" y="0" width="256" height="192"><properties>
<property name="message" value="HELLO"/><property name="palette1" type="int" value="3"/></properties></object>
</objectgroup></map>)");
  // A world-sized tile layer, small because packed, on a map without its object layers.
  QByteArray cells;
  for (int i = 0; i < 128 * 48; ++i) cells.append("\x01\0\0\0", 4);
  const QByteArray packed = qCompress(cells).mid(4).toBase64();
  Write(dir / "world.tmj",
        "\x01{\"type\": \"map\", \"orientation\": \"orthogonal\", \"width\": 128, \"height\": 48, "
        "\"tilewidth\": 32, \"tileheight\": 32, \"tilesets\": [{\"firstgid\": 1}, {\"firstgid\": 257}], "
        "\"layers\": [{\"type\": \"tilelayer\", \"name\": \"tiles\", \"width\": 128, \"height\": 48, "
        "\"encoding\": \"base64\", \"compression\": \"zlib\", \"data\": \"" +
            packed.toStdString() +
            "\"}, {\"type\": \"objectgroup\", \"name\": \"objects\", \"objects\": []}]}");
}

// Scripts as the manual writes them, and iNES headers whole, cut off and with a trainer.
void WritePlayInputs(const fs::path& dir) {
  Write(dir / "script.txt", std::string("right:60-119,a:130,start:0"));
  Write(dir / "buttons.txt", std::string("up:1,down:2-3,left:4,b:5,select:6-6"));
  std::vector<std::uint8_t> rom(24592, 0);
  const std::uint8_t header[] = {'N', 'E', 'S', 0x1A, 1, 1, 0x04, 0x08, 0, 0x10};
  std::copy(std::begin(header), std::end(header), rom.begin());
  Write(dir / "nes2-trainer.nes", rom);
  rom.resize(40);
  Write(dir / "cut.nes", rom);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  WriteMaps(root / "map_file_fuzzer");
  WriteTpies(root / "tpie_file_fuzzer");
  WriteRoms(root / "rom_decoding_fuzzer");
  WriteBitmaps(root / "picture_loader_fuzzer");
  WriteTiledMaps(root / "tiled_map_fuzzer");
  WritePlayInputs(root / "play_input_fuzzer");
  return 0;
}
