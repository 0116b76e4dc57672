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
    : askedDirectory_(directory),
      directory_(CanonicalFolder(directory)),
      relativePaths_(std::move(relativePaths)) {
  running = this;
}

PicturePrefetch::~PicturePrefetch() { running = nullptr; }

const PicturePrefetch::Outcomes& PicturePrefetch::outcomes() {
  if (outcomes_) return *outcomes_;
  Outcomes& outcomes = outcomes_.emplace();
  for (const std::string& path : relativePaths_) {
    if (outcomes.count(path)) continue;
    Outcome& outcome = outcomes[path];
    try {
      outcome.picture = QPixmap::fromImage(LoadBitmapImage(directory_, path));
    } catch (...) {
      outcome.failure = std::current_exception();
    }
  }
  return outcomes;
}

// The folder's name as the window gives it is taken without asking the file system.
bool PicturePrefetch::reads(const QString& directory) const {
  return !directory_.isEmpty() && (directory == askedDirectory_ || CanonicalFolder(directory) == directory_);
}

void PicturePrefetch::ReadNow() {
  if (running && !running->directory_.isEmpty()) running->outcomes();
}

std::optional<QPixmap> PicturePrefetch::Find(const QString& directory, const std::string& relativePath) {
  if (!running || !running->reads(directory)) return std::nullopt;
  const Outcomes& outcomes = running->outcomes();
  const auto found = outcomes.find(relativePath);
  if (found == outcomes.end()) return std::nullopt;
  if (found->second.failure) std::rethrow_exception(found->second.failure);
  return found->second.picture;
}

}  // namespace quelbrook
