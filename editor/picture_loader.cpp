#include "picture_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "editor_error.h"

namespace quelbrook {

QPixmap PictureLoader::load(const std::string& relativePath) const {
  const QString path = QDir(startDirectory_).filePath(QString::fromStdString(relativePath));
  QFileInfo info(path);
  if (!info.isFile() || !info.isReadable()) throw EditorError("Cannot open file " + relativePath);
  QImageReader reader(path, "bmp");
  reader.setDecideFormatFromContent(false);
  QImage image = reader.read();
  if (image.isNull()) {
    if (reader.error() == QImageReader::FileNotFoundError || reader.error() == QImageReader::DeviceError)
      throw EditorError("Cannot open file " + relativePath);
    throw EditorError("Bitmap image is not valid");
  }
  return QPixmap::fromImage(image);
}

}  // namespace quelbrook
