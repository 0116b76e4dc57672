#pragma once
// The window's first pictures, read on a worker thread while the window is being made,
// so that reading and decoding them costs the start-up nothing on a second core. While
// one exists, PictureLoader takes the pictures of its folder from it instead of the files;
// the program drops it once its window stands, so later loads see changed files.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <exception>
#include <future>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quelbrook {

class PicturePrefetch {
 public:
  PicturePrefetch(const QString& directory, std::vector<std::string> relativePaths);
  ~PicturePrefetch();
  PicturePrefetch(const PicturePrefetch&) = delete;
  PicturePrefetch& operator=(const PicturePrefetch&) = delete;

  // The picture as LoadBitmapImage read it from the folder, its failure thrown again;
  // none when no prefetch exists or it did not read this path of this folder. The window
  // shows one file in many places: each is made into a pixmap once.
  static std::optional<QPixmap> Find(const QString& directory, const std::string& relativePath);

 private:
  struct Outcome {
    QImage image;
    std::exception_ptr failure;
  };
  using Outcomes = std::map<std::string, Outcome>;

  const Outcomes& outcomes();
  bool reads(const QString& directory) const;

  QString askedDirectory_;
  QString directory_;
  std::future<Outcomes> reading_;
  std::optional<Outcomes> outcomes_;
  std::map<std::string, QPixmap> pixmaps_;
};

}  // namespace quelbrook
