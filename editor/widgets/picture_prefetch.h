#pragma once
// The window's first pictures, read in one go where the window would otherwise wait: while
// another core reads the font list, the window has nothing else to do. While one exists,
// PictureLoader takes the pictures of its folder from it instead of the files; the program
// drops it once its window stands, so later loads see changed files.

#include <QPixmap>
#include <QString>
#include <exception>
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

  // Reads the pictures now, unless they are read already; nothing when no prefetch exists.
  static void ReadNow();
  // The picture as LoadBitmapImage read it from the folder, its failure thrown again;
  // none when no prefetch exists or it does not hold this path of this folder. The window
  // shows one file in many places: each becomes a pixmap once.
  static std::optional<QPixmap> Find(const QString& directory, const std::string& relativePath);

 private:
  struct Outcome {
    QPixmap picture;
    std::exception_ptr failure;
  };
  using Outcomes = std::map<std::string, Outcome>;

  const Outcomes& outcomes();
  bool reads(const QString& directory) const;

  QString askedDirectory_;
  QString directory_;
  std::vector<std::string> relativePaths_;
  std::optional<Outcomes> outcomes_;
};

}  // namespace quelbrook
