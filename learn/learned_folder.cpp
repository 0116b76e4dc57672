#include "learned_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <stdexcept>

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
  QDirIterator files(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString source = files.next();
    const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
    if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target)) throw CannotWrite(to);
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

}  // namespace

void WriteFolderAtOnce(const QString& dir, const std::map<std::string, QImage>& pictures,
                       const std::map<std::string, std::string>& texts, const QString& base) {
  const QFileInfo target(dir);
  const QString parent = target.absolutePath();
  if (!QDir().mkpath(parent)) throw CannotWrite(dir);
  QTemporaryDir fresh(QDir(parent).filePath(target.fileName() + ".learning-XXXXXX"));
  if (!fresh.isValid()) throw CannotWrite(dir);
  if (target.isDir()) {
    CopyTree(dir, fresh.path());
  } else if (!base.isEmpty()) {
    for (const char* folder : {"graph", "items", "enemyes"})
      CopyTree(QDir(base).filePath(folder), QDir(fresh.path()).filePath(folder));
  }
  for (const auto& [path, picture] : pictures)
    Write(fresh.path(), path, [&](const std::string& file) { WriteBmp(file, ToCanvas(picture)); });
  for (const auto& [path, text] : texts)
    Write(fresh.path(), path, [&](const std::string& file) {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out << text;
      if (!out.flush()) throw std::runtime_error("cannot write " + file);
    });

  // The old folder steps aside, the new one takes its name, and only then is the old one gone.
  QTemporaryDir old(QDir(parent).filePath(target.fileName() + ".old-XXXXXX"));
  if (!old.isValid()) throw CannotWrite(dir);
  const bool hadOld = target.exists();
  if (hadOld && (!QDir().rmdir(old.path()) || !QDir().rename(dir, old.path()))) throw CannotWrite(dir);
  if (!QDir().rename(fresh.path(), dir)) {
    if (hadOld) QDir().rename(old.path(), dir);
    throw CannotWrite(dir);
  }
  fresh.setAutoRemove(false);
}

}  // namespace quelbrook::learn
