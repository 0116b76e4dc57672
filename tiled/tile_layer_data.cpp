#include "tile_layer_data.h"

#include <zlib.h>

#include "count_text.h"
#include "editor_error.h"

namespace quelbrook {

namespace {
// Readers stop one cell past the layer, so "more" is all they can tell.
void RequireCellCount(std::size_t cells, int count) {
  if (cells > static_cast<std::size_t>(count))
    throw EditorError("the tile data holds more than the layer's " + std::to_string(count) + " cells");
  if (cells < static_cast<std::size_t>(count))
    throw EditorError("the tile data holds " + CountText(cells, "cell") + " instead of " +
                      std::to_string(count));
}

std::vector<std::uint32_t> CsvGids(const QByteArray& text, int count) {
  std::vector<std::uint32_t> gids;
  const QByteArray trimmed = text.trimmed();
  if (trimmed.isEmpty()) throw EditorError("the tile data is empty");
  for (const QByteArray& field : trimmed.split(',')) {
    bool ok = false;
    const std::uint32_t gid = field.trimmed().toUInt(&ok);
    if (!ok) throw EditorError("'" + field.trimmed().left(20).toStdString() + "' is not a tile number");
    gids.push_back(gid);
    if (gids.size() > static_cast<std::size_t>(count)) break;
  }
  return gids;
}

// Inflates at most `limit` bytes; a stream that would give more is cut there and so fails the size check.
QByteArray Inflated(const QByteArray& packed, std::size_t limit) {
  z_stream stream{};
  if (inflateInit2(&stream, 15 + 32) != Z_OK) throw EditorError("the tile data cannot be unpacked");
  QByteArray out(static_cast<qsizetype>(limit + 1), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const auto produced = static_cast<qsizetype>(stream.total_out);
  inflateEnd(&stream);
  if (result != Z_STREAM_END && result != Z_BUF_ERROR) throw EditorError("the packed tile data is damaged");
  out.truncate(produced);
  return out;
}

std::vector<std::uint32_t> BinaryGids(const QByteArray& text, const QString& compression, int count) {
  const auto decoded =
      QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) throw EditorError("the tile data is not valid base64");
  const std::size_t expected = static_cast<std::size_t>(count) * 4;
  QByteArray bytes;
  if (compression.isEmpty())
    bytes = *decoded;
  else if (compression == "zlib" || compression == "gzip")
    bytes = Inflated(*decoded, expected);
  else
    throw EditorError("tile data compressed with " + compression.toStdString() +
                      " cannot be read; choose CSV, base64, zlib or gzip in Tiled");
  RequireCellCount(static_cast<std::size_t>(bytes.size()) / 4 + (bytes.size() % 4 != 0), count);
  std::vector<std::uint32_t> gids(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < gids.size(); ++i) {
    std::uint32_t gid = 0;
    for (int b = 3; b >= 0; --b)
      gid = gid * 256 + static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(i * 4 + b)]);
    gids[i] = gid;
  }
  return gids;
}
}  // namespace

std::vector<std::uint32_t> DecodeTileData(const QString& encoding, const QString& compression,
                                          const QByteArray& text, int count) {
  std::vector<std::uint32_t> gids;
  if (encoding == "csv")
    gids = CsvGids(text, count);
  else if (encoding == "base64")
    return BinaryGids(text, compression, count);
  else
    throw EditorError("tile data stored as " +
                      (encoding.isEmpty() ? QString("XML elements") : encoding).toStdString() +
                      " cannot be read; choose CSV or base64 in Tiled");
  RequireCellCount(gids.size(), count);
  return gids;
}

}  // namespace quelbrook
