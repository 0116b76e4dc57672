#include "learned_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "bmp_file.h"
#include "editor_error.h"

namespace quelbrook::learn {

namespace {

EditorError CannotWrite(const QString& dir) {
  return EditorError("The folder " + QDir::toNativeSeparators(dir).toStdString() + " could not be written");
}

Canvas ToCanvas(const QImage& picture) {
  Canvas canvas(picture.width(), picture.height());
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      canvas.Set(x, y,
                 {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
                  static_cast<std::uint8_t>(qBlue(pixel))});
    }
  return canvas;
}

void CopyTree(const QString& from, const QString& to) {
  const QDir source(from);
  QDirIterator files(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    const QString target = QDir(to).filePath(source.relativeFilePath(file));
    if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target)) throw CannotWrite(to);
  }
}

template <typename WriteTo>
void Write(const QString& root, const std::string& relativePath, const WriteTo& writeTo) {
  const QString path = QDir(root).filePath(QString::fromStdString(relativePath));
  if (!QDir().mkpath(QFileInfo(path).path())) throw CannotWrite(root);
  QFile::remove(path);
  try {
    writeTo(path.toStdString());
  } catch (const std::runtime_error&) {
    throw CannotWrite(root);
  }
}

// The folder as the user named it, made absolute: "learned/" and "./learned" are "learned".
QString FolderPath(const QString& dir) {
  const QString path = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
  if (QFileInfo(path).exists() && !QFileInfo(path).isDir())
    throw EditorError(QDir::toNativeSeparators(path).toStdString() +
                      " is a file, not a folder: name a folder for the learned pictures");
  return path;
}

// Each staged entry takes its name in `dir`, the old one stepping aside first. On a failure
// every move is undone; when that fails too, `aside` is kept with what it holds.
void SwapIn(const QString& dir, const QString& staged, QTemporaryDir& aside, const Rename& rename) {
  const QDir target(dir), from(staged), old(aside.path());
  std::vector<std::pair<QString, QString>> moves;
  auto move = [&](const QString& source, const QString& destination) {
    if (!rename(source, destination)) return false;
    moves.emplace_back(source, destination);
    return true;
  };
  bool swapped = true;
  for (const QString& name : from.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
    const bool hadOld = QFileInfo::exists(target.filePath(name));
    swapped = (!hadOld || move(target.filePath(name), old.filePath(name))) &&
              move(from.filePath(name), target.filePath(name));
    if (!swapped) break;
  }
  if (swapped) return;
  bool restored = true;
  for (auto done = moves.rbegin(); done != moves.rend(); ++done)
    restored = rename(done->second, done->first) && restored;
  if (restored) throw CannotWrite(dir);
  aside.setAutoRemove(false);
  throw EditorError("The folder " + QDir::toNativeSeparators(dir).toStdString() +
                    " could not be written, and its old pictures could not be put back: they are in " +
                    QDir::toNativeSeparators(aside.path()).toStdString());
}

// Makes a folder with any missing parents, and removes what it made unless told to keep it.
class MadeFolder {
 public:
  explicit MadeFolder(const QString& path) {
    for (QString missing = path; !QFileInfo::exists(missing); missing = QFileInfo(missing).path())
      path_ = missing;
    if (QDir().mkpath(path)) return;
    Remove();
    throw CannotWrite(path);
  }
  ~MadeFolder() { Remove(); }
  MadeFolder(const MadeFolder&) = delete;
  MadeFolder& operator=(const MadeFolder&) = delete;
  void Keep() { path_.clear(); }

 private:
  void Remove() {
    if (!path_.isEmpty()) QDir(path_).removeRecursively();
  }

  QString path_;
};

}  // namespace

void RequireWritableFolder(const QString& dir) {
  const QString path = FolderPath(dir);
  const MadeFolder made(path);
  if (!QTemporaryDir(QDir(path).filePath(".learning-XXXXXX")).isValid()) throw CannotWrite(path);
}

void WriteFolderAtOnce(const QString& dir, const std::map<std::string, QImage>& pictures,
                       const std::map<std::string, std::string>& texts, const QString& base,
                       const Rename& rename) {
  const QString path = FolderPath(dir);
  MadeFolder made(path);
  QTemporaryDir staged(QDir(path).filePath(".learning-XXXXXX"));
  if (!staged.isValid()) throw CannotWrite(path);
  for (const char* folder : {"graph", "items", "enemyes"}) {
    const QString own = QDir(path).filePath(folder);
    const QString from = QFileInfo(own).isDir() || base.isEmpty() ? own : QDir(base).filePath(folder);
    if (QFileInfo(from).isDir()) CopyTree(from, QDir(staged.path()).filePath(folder));
  }
  for (const auto& [file, picture] : pictures)
    Write(staged.path(), file, [&](const std::string& out) { WriteBmp(out, ToCanvas(picture)); });
  for (const auto& [file, text] : texts)
    Write(staged.path(), file, [&](const std::string& name) {
      std::ofstream out(name, std::ios::binary | std::ios::trunc);
      out << text;
      if (!out.flush()) throw std::runtime_error("cannot write " + name);
    });

  QTemporaryDir aside(QDir(path).filePath(".replaced-XXXXXX"));
  if (!aside.isValid()) throw CannotWrite(path);
  SwapIn(
      path, staged.path(), aside,
      rename ? rename : [](const QString& from, const QString& to) { return QDir().rename(from, to); });
  made.Keep();
}

}  // namespace quelbrook::learn
