#include "picture_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <cstdint>

#include "editor_error.h"

namespace quelbrook {

namespace {
// Far above any picture the game's folders hold; a larger file is refused unread.
constexpr qint64 kPictureFileLimit = 16 * 1024 * 1024;

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

// The whole file in one read. Non-blocking, so that a pipe of that name cannot stall the
// window, and refused unless it is a regular file.
QByteArray ReadPictureFile(const QString& path, const std::string& relativePath) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) throw EditorError("Cannot open file " + relativePath);
  struct stat info {};
  bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  const bool tooLarge = readable && info.st_size > kPictureFileLimit;
  QByteArray contents;
  if (readable && !tooLarge) {
    contents.resize(static_cast<qsizetype>(info.st_size));
    qsizetype filled = 0;
    while (filled < contents.size()) {
      const ssize_t n = ::read(fd, contents.data() + filled, static_cast<size_t>(contents.size() - filled));
      if (n == 0) break;  // cut short since fstat: judged by what it holds
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        readable = false;
        break;
      }
      filled += n;
    }
    contents.truncate(filled);
  }
  ::close(fd);
  if (!readable) throw EditorError("Cannot open file " + relativePath);
  if (tooLarge) throw EditorError("Bitmap image is not valid");
  return contents;
}
}  // namespace

QImage LoadBitmapImage(const QString& directory, const std::string& relativePath) {
  QByteArray file =
      ReadPictureFile(QDir(directory).filePath(QString::fromStdString(relativePath)), relativePath);
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
