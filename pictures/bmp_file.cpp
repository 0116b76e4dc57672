#include "bmp_file.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace quelbrook {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

void WriteBmp(const std::filesystem::path& path, const Canvas& canvas) {
  const auto width = static_cast<std::uint32_t>(canvas.width());
  const auto height = static_cast<std::uint32_t>(canvas.height());
  const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;

  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, pixelOffset + rowSize * height, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, pixelOffset, 4);
  PutLittleEndian(out, kInfoHeaderSize, 4);
  PutLittleEndian(out, width, 4);
  PutLittleEndian(out, height, 4);  // positive: rows are stored bottom-up
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);  // no compression
  PutLittleEndian(out, rowSize * height, 4);
  PutLittleEndian(out, kPixelsPerMetre, 4);
  PutLittleEndian(out, kPixelsPerMetre, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);

  for (int y = canvas.height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgb pixel = canvas.At(x, y);
      out.push_back(pixel.b);
      out.push_back(pixel.g);
      out.push_back(pixel.r);
    }
    out.resize(out.size() + (rowSize - width * 3), 0);
  }

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace quelbrook
