#pragma once
// Where a rendering takes its tile, item and enemy pictures from.

#include <QImage>
#include <QString>
#include <map>
#include <string>

namespace quelbrook {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The picture at a relative path such as "graph/AF.bmp"; throws EditorError when it cannot be had.
  virtual const QImage& picture(const std::string& relativePath) = 0;
};

// Reads one bitmap of the program's folders, with the editor's messages:
// "Cannot open file <relative path>" or "Bitmap image is not valid".
QImage LoadBitmapImage(const QString& directory, const std::string& relativePath);

// The pictures of one folder, each read once: a world rendering asks for the same
// tiles thousands of times. Make a new one for each rendering to see changed files.
class PictureFolder : public PictureSource {
 public:
  explicit PictureFolder(QString directory) : directory_(std::move(directory)) {}
  const QImage& picture(const std::string& relativePath) override;

 private:
  QString directory_;
  std::map<std::string, QImage> loaded_;
};

}  // namespace quelbrook
