#include "picture_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "editor_error.h"

namespace quelbrook {

QImage LoadBitmapImage(const QString& directory, const std::string& relativePath) {
  const QString path = QDir(directory).filePath(QString::fromStdString(relativePath));
  const QFileInfo info(path);
  if (!info.isFile() || !info.isReadable()) throw EditorError("Cannot open file " + relativePath);
  QImageReader reader(path, "bmp");
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull()) {
    if (reader.error() == QImageReader::FileNotFoundError || reader.error() == QImageReader::DeviceError)
      throw EditorError("Cannot open file " + relativePath);
    throw EditorError("Bitmap image is not valid");
  }
  return image;
}

const QImage& PictureFolder::picture(const std::string& relativePath) {
  auto found = loaded_.find(relativePath);
  if (found == loaded_.end())
    found = loaded_.emplace(relativePath, LoadBitmapImage(directory_, relativePath)).first;
  return found->second;
}

}  // namespace quelbrook
