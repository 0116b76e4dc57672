#include "picture_prefetch.h"

#include <QFileInfo>

#include "picture_folder.h"

namespace quelbrook {

namespace {
// Made and dropped by the program's main thread, which alone asks it.
PicturePrefetch* running = nullptr;

QString CanonicalFolder(const QString& directory) { return QFileInfo(directory).canonicalFilePath(); }
}  // namespace

PicturePrefetch::PicturePrefetch(const QString& directory, std::vector<std::string> relativePaths)
    : directory_(CanonicalFolder(directory)) {
  reading_ = std::async(std::launch::async, [folder = directory_, paths = std::move(relativePaths)] {
    Outcomes outcomes;
    for (const std::string& path : paths) {
      if (outcomes.count(path)) continue;
      Outcome& outcome = outcomes[path];
      try {
        outcome.image = LoadBitmapImage(folder, path);
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

std::optional<QImage> PicturePrefetch::Find(const QString& directory, const std::string& relativePath) {
  if (!running || running->directory_.isEmpty() || CanonicalFolder(directory) != running->directory_)
    return std::nullopt;
  const Outcomes& outcomes = running->outcomes();
  const auto found = outcomes.find(relativePath);
  if (found == outcomes.end()) return std::nullopt;
  if (found->second.failure) std::rethrow_exception(found->second.failure);
  return found->second.image;
}

}  // namespace quelbrook
