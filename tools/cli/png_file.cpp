#include "png_file.h"

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

void RequireFrame(const QImage& picture) {
  if (picture.isNull()) throw EditorError("The core drew no picture");
}

}  // namespace quelbrook::cli
