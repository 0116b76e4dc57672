#include "picture_prefetch.h"

#include <QFileInfo>

#include "picture_folder.h"

namespace quelbrook {

namespace {
// Made and dropped by the program's main thread, which alone asks it.
PicturePrefetch* running = nullptr;

QString CanonicalFolder(const QString& directory) { return QFileInfo(directory).canonicalFilePath(); }

// A pixmap made from an image in the format it keeps takes the image's pixels as they are.
QImage InPixmapFormat(const QImage& image) {
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32);
}
}  // namespace

PicturePrefetch::PicturePrefetch(const QString& directory, std::vector<std::string> relativePaths)
    : askedDirectory_(directory), directory_(CanonicalFolder(directory)) {
  reading_ = std::async(std::launch::async, [folder = directory_, paths = std::move(relativePaths)] {
    Outcomes outcomes;
    for (const std::string& path : paths) {
      if (outcomes.count(path)) continue;
      Outcome& outcome = outcomes[path];
      try {
        outcome.image = InPixmapFormat(LoadBitmapImage(folder, path));
      } catch (...) {
        outcome.failure = std::current_exception();
      }
    }
    return outcomes;
  });
  running = this;
}

PicturePrefetch::~PicturePrefetch() {
  running = nullptr;
  if (reading_.valid()) reading_.wait();
}

const PicturePrefetch::Outcomes& PicturePrefetch::outcomes() {
  if (!outcomes_) outcomes_ = reading_.get();
  return *outcomes_;
}

// The folder's name as the window gives it is taken without asking the file system.
bool PicturePrefetch::reads(const QString& directory) const {
  return !directory_.isEmpty() && (directory == askedDirectory_ || CanonicalFolder(directory) == directory_);
}

std::optional<QPixmap> PicturePrefetch::Find(const QString& directory, const std::string& relativePath) {
  if (!running || !running->reads(directory)) return std::nullopt;
  if (const auto made = running->pixmaps_.find(relativePath); made != running->pixmaps_.end())
    return made->second;
  const Outcomes& outcomes = running->outcomes();
  const auto found = outcomes.find(relativePath);
  if (found == outcomes.end()) return std::nullopt;
  if (found->second.failure) std::rethrow_exception(found->second.failure);
  return running->pixmaps_.emplace(relativePath, QPixmap::fromImage(found->second.image)).first->second;
}

}  // namespace quelbrook
