#include "picture_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <cstdint>

#include "editor_error.h"

namespace quelbrook {

namespace {
std::int64_t Field(const QByteArray& header, int at, int size) {
  std::int64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value * 256 + static_cast<std::uint8_t>(header[at + i]);
  return value;
}

// The reader accepts a bitmap whose pixel data is missing or cut short and makes up the
// pixels the file lacks; such a file is as broken as a bad header. The sizes come from
// the decoded picture, which the reader keeps within bounds, so a header's absurd
// numbers cannot overflow the sum.
bool HoldsPixelData(QIODevice& device, QSize decoded) {
  if (!device.seek(0)) return false;
  const QByteArray header = device.read(34);
  if (header.size() < 26) return false;
  const std::int64_t dataOffset = Field(header, 10, 4);
  std::int64_t needed = dataOffset + 1;
  const bool core = Field(header, 14, 4) == 12;
  if (!core && header.size() < 34) return false;
  const std::int64_t width = decoded.width();
  const std::int64_t height = decoded.height();
  const std::int64_t bits = Field(header, core ? 24 : 28, 2);
  const std::int64_t compression = core ? 0 : Field(header, 30, 4);
  if (compression == 0 || compression == 3) {  // uncompressed rows, padded to four bytes
    needed = dataOffset + (width * bits + 31) / 32 * 4 * height;
  }
  return device.size() >= needed;
}
}  // namespace

QImage LoadBitmapImage(const QString& directory, const std::string& relativePath) {
  const QString path = QDir(directory).filePath(QString::fromStdString(relativePath));
  // A folder or pipe of that name is stopped here; an unreadable file fails in the reader.
  if (!QFileInfo(path).isFile()) throw EditorError("Cannot open file " + relativePath);
  QImageReader reader(path, "bmp");
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull()) {
    if (reader.error() == QImageReader::FileNotFoundError || reader.error() == QImageReader::DeviceError)
      throw EditorError("Cannot open file " + relativePath);
    throw EditorError("Bitmap image is not valid");
  }
  if (!HoldsPixelData(*reader.device(), image.size())) throw EditorError("Bitmap image is not valid");
  return image;
}

const QImage& PictureFolder::picture(const std::string& relativePath) {
  auto found = loaded_.find(relativePath);
  if (found == loaded_.end())
    found = loaded_.emplace(relativePath, LoadBitmapImage(directory_, relativePath)).first;
  return found->second;
}

}  // namespace quelbrook
