#include "picture_loader.h"

#include "picture_folder.h"

namespace quelbrook {

// One loader for the window, the world map and the command-line tool, so that all
// three refuse the same files with the same words.
QPixmap PictureLoader::load(const std::string& relativePath) const {
  return QPixmap::fromImage(LoadBitmapImage(startDirectory_, relativePath));
}

}  // namespace quelbrook
