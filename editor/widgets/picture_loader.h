#pragma once
// Loads the program's bitmaps by their relative names, always against the
// directory the program started in.

#include <QPixmap>
#include <QString>
#include <string>
#include <vector>

namespace quelbrook {

class PictureLoader {
 public:
  explicit PictureLoader(QString startDirectory) : startDirectory_(std::move(startDirectory)) {}
  // Fails with "Cannot open file <relative path>" or "Bitmap image is not valid".
  QPixmap load(const std::string& relativePath) const;

 private:
  QString startDirectory_;
};

// Every picture of the list, in order, or the failure of the first that cannot be had:
// an operation that needs several pictures checks them all before it changes the view.
std::vector<QPixmap> LoadPictures(const PictureLoader& loader, const std::vector<std::string>& relativePaths);

}  // namespace quelbrook
