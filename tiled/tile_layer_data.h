#pragma once
// A tile layer's cells as Tiled stores them in text: CSV, or base64 of little-endian
// 32-bit gids, uncompressed or compressed with zlib or gzip.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

namespace quelbrook {

// Exactly `count` gids, or EditorError saying what is wrong with the data (without its place).
std::vector<std::uint32_t> DecodeTileData(const QString& encoding, const QString& compression,
                                          const QByteArray& text, int count);

}  // namespace quelbrook
