// Writes the small starting corpus of each fuzz target: files as the editor exports
// them, a short cartridge image and a few bitmaps, so nothing binary is kept in git.

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

void WriteBitmaps(const fs::path& dir) {
  fs::create_directories(dir);
  QImage colour(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < colour.height(); ++y)
    for (int x = 0; x < colour.width(); ++x) colour.setPixel(x, y, qRgb(x * 50, y * 80, 200));
  colour.save(QString::fromStdString((dir / "rgb.bmp").string()), "BMP");
  colour.convertToFormat(QImage::Format_Indexed8)
      .save(QString::fromStdString((dir / "indexed.bmp").string()), "BMP");
  colour.convertToFormat(QImage::Format_Mono)
      .save(QString::fromStdString((dir / "mono.bmp").string()), "BMP");
  colour.convertToFormat(QImage::Format_ARGB32)
      .save(QString::fromStdString((dir / "argb.bmp").string()), "BMP");
}

}  // namespace

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
  return 0;
}
