#include "png_file.h"

#include <QFileInfo>

#include "editor_error.h"

namespace quelbrook::cli {

PngFile::PngFile(const std::string& path) : file_(QString::fromStdString(path)) {
  if (!file_.open(QIODevice::WriteOnly)) Fail();
}

void PngFile::Write(const QImage& picture) {
  RequireFrame(picture);
  if (!picture.save(&file_, "PNG") || !file_.commit()) Fail();
}

void PngFile::Fail() const {
  throw EditorError("Cannot write file " + file_.fileName().toStdString() + ": " +
                    file_.errorString().toStdString());
}

void RequireOtherThanRom(const std::string& png, const std::string& rom) {
  const QFileInfo picture(QString::fromStdString(png));
  if (picture.exists() && picture == QFileInfo(QString::fromStdString(rom)))
    throw EditorError(png + " is the ROM: the picture goes to another file");
}

void RequireFrame(const QImage& picture) {
  if (picture.isNull()) throw EditorError("The core drew no picture");
}

}  // namespace quelbrook::cli
