#pragma once
// Loads the program's bitmaps by their relative names, always against the
// directory the program started in.

#include <QPixmap>
#include <QString>
#include <string>

namespace quelbrook {

class PictureLoader {
 public:
  explicit PictureLoader(QString startDirectory) : startDirectory_(std::move(startDirectory)) {}
  // Fails with "Cannot open file <relative path>" or "Bitmap image is not valid".
  QPixmap load(const std::string& relativePath) const;

 private:
  QString startDirectory_;
};

}  // namespace quelbrook
