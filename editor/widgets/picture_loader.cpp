#include "picture_loader.h"

#include "picture_folder.h"
#include "picture_prefetch.h"

namespace quelbrook {

// One loader for the window, the world map and the command-line tool, so that all
// three refuse the same files with the same words.
QPixmap PictureLoader::load(const std::string& relativePath) const {
  if (std::optional<QPixmap> fetched = PicturePrefetch::Find(startDirectory_, relativePath)) return *fetched;
  return QPixmap::fromImage(LoadBitmapImage(startDirectory_, relativePath));
}

std::vector<QPixmap> LoadPictures(const PictureLoader& loader,
                                  const std::vector<std::string>& relativePaths) {
  std::vector<QPixmap> pictures;
  pictures.reserve(relativePaths.size());
  for (const std::string& path : relativePaths) pictures.push_back(loader.load(path));
  return pictures;
}

}  // namespace quelbrook
