#include <QFile>
#include <QFileInfo>

#include "editor_error.h"
#include "regular_file.h"
#include "tiled_map.h"
#include "tiled_map_limits.h"

namespace quelbrook {

TiledMap ReadTiledMapFile(const std::string& path) {
  const QString fileName = QFileInfo(QFile::decodeName(path.c_str())).fileName();
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix != "tmx" && suffix != "tmj" && suffix != "json")
    throw EditorError(fileName.toStdString() + ": a Tiled map is a .tmx, .tmj or .json file");
  const auto content = ReadRegularFile(path, kMaxMapFileBytes);
  if (!content) throw EditorError(fileName.toStdString() + ": the file is too large to be a world map");
  const QByteArray bytes(content->data(), static_cast<qsizetype>(content->size()));
  return suffix == "tmx" ? ReadTmx(bytes, fileName) : ReadTmj(bytes, fileName);
}

}  // namespace quelbrook
