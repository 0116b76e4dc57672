#include "picture_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <cstdint>
#include <optional>

#include "editor_error.h"
#include "regular_file.h"

namespace quelbrook {

namespace {
// Far above any picture the game's folders hold; a larger file is refused unread.
constexpr std::size_t kPictureFileLimit = 16 * 1024 * 1024;

std::int64_t Field(const QByteArray& bytes, int at, int size) {
  std::int64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value * 256 + static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

// The reader accepts a bitmap whose pixel data is missing or cut short and makes up the
// pixels the file lacks; such a file is as broken as a bad header. The sizes come from
// the decoded picture, which the reader keeps within bounds, so a header's absurd
// numbers cannot overflow the sum.
bool HoldsPixelData(const QByteArray& file, QSize decoded) {
  if (file.size() < 26) return false;
  const std::int64_t dataOffset = Field(file, 10, 4);
  std::int64_t needed = dataOffset + 1;
  const bool core = Field(file, 14, 4) == 12;
  if (!core && file.size() < 34) return false;
  const std::int64_t width = decoded.width();
  const std::int64_t height = decoded.height();
  const std::int64_t bits = Field(file, core ? 24 : 28, 2);
  const std::int64_t compression = core ? 0 : Field(file, 30, 4);
  if (compression == 0 || compression == 3) {  // uncompressed rows, padded to four bytes
    needed = dataOffset + (width * bits + 31) / 32 * 4 * height;
  }
  return file.size() >= needed;
}

}  // namespace

QImage LoadBitmapImage(const QString& directory, const std::string& relativePath) {
  const QString path = QDir(directory).filePath(QString::fromStdString(relativePath));
  std::optional<std::string> content;
  try {
    content = ReadRegularFile(QFile::encodeName(path).toStdString(), kPictureFileLimit);
  } catch (const EditorError&) {
    throw EditorError("Cannot open file " + relativePath);
  }
  if (!content) throw EditorError("Bitmap image is not valid");
  QByteArray file = QByteArray::fromRawData(content->data(), static_cast<qsizetype>(content->size()));
  QBuffer device(&file);
  device.open(QIODevice::ReadOnly);
  QImageReader reader(&device, "bmp");
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull() || !HoldsPixelData(file, image.size())) throw EditorError("Bitmap image is not valid");
  return image;
}

const QImage& PictureFolder::picture(const std::string& relativePath) {
  auto found = loaded_.find(relativePath);
  if (found == loaded_.end())
    found = loaded_.emplace(relativePath, LoadBitmapImage(directory_, relativePath)).first;
  return found->second;
}

}  // namespace quelbrook
