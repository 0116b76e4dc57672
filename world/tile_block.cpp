#include "tile_block.h"

#include <QRegularExpression>
#include <QStringList>

namespace quelbrook {

namespace {
const QString kTilesHeader = QStringLiteral("Quelbrook tiles ");
const QString kScreenHeader = QStringLiteral("Quelbrook screen");
constexpr int kLargestBlockSide = 1024;

QString HexByte(std::uint8_t value) { return QStringLiteral("%1").arg(value, 2, 16, QChar('0')).toUpper(); }

std::optional<std::uint8_t> ParseHexByte(const QString& word) {
  static const QRegularExpression kHexByte("^[0-9A-Fa-f]{1,2}$");
  if (!kHexByte.match(word).hasMatch()) return std::nullopt;
  return static_cast<std::uint8_t>(word.toUInt(nullptr, 16));
}

QStringList Lines(const QString& text) {
  QStringList lines = text.split(QRegularExpression("\r?\n"));
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  return lines;
}
}  // namespace

QString TileBlockText(const TileBlock& block) {
  QString text = kTilesHeader + QString::number(block.width) + "x" + QString::number(block.height) + "\n";
  for (int row = 0; row < block.height; ++row) {
    QStringList words;
    for (int column = 0; column < block.width; ++column) words << HexByte(block.at(column, row));
    text += words.join(' ') + "\n";
  }
  return text;
}

std::optional<TileBlock> ParseTileBlock(const QString& text) {
  const QStringList lines = Lines(text);
  if (lines.isEmpty() || !lines[0].startsWith(kTilesHeader)) return std::nullopt;
  const QStringList size = lines[0].mid(kTilesHeader.size()).trimmed().split('x');
  if (size.size() != 2) return std::nullopt;
  TileBlock block;
  bool widthOk = false, heightOk = false;
  block.width = size[0].toInt(&widthOk);
  block.height = size[1].toInt(&heightOk);
  if (!widthOk || !heightOk || block.width < 1 || block.height < 1 || block.width > kLargestBlockSide ||
      block.height > kLargestBlockSide || lines.size() != block.height + 1)
    return std::nullopt;
  for (int row = 0; row < block.height; ++row) {
    const QStringList words = lines[row + 1].split(' ', Qt::SkipEmptyParts);
    if (words.size() != block.width) return std::nullopt;
    for (const QString& word : words) {
      auto code = ParseHexByte(word);
      if (!code) return std::nullopt;
      block.codes.push_back(*code);
    }
  }
  return block;
}

QString ScreenRecordText(const RecordBytes& record) {
  QString text = kScreenHeader + "\n";
  for (std::uint8_t byte : record) text += HexByte(byte);
  return text + "\n";
}

std::optional<RecordBytes> ParseScreenRecordText(const QString& text) {
  const QStringList lines = Lines(text);
  if (lines.size() != 2 || lines[0].trimmed() != kScreenHeader) return std::nullopt;
  const QString digits = lines[1].trimmed();
  if (digits.size() != 2 * kScreenRecordLength) return std::nullopt;
  RecordBytes record{};
  for (int i = 0; i < kScreenRecordLength; ++i) {
    auto byte = ParseHexByte(digits.mid(2 * i, 2));
    if (!byte) return std::nullopt;
    record[static_cast<std::size_t>(i)] = *byte;
  }
  return record;
}

}  // namespace quelbrook
