#pragma once
// Every file and folder under a folder, files with their bytes, to see that nothing in it changed.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <map>

namespace quelbrook::testing {

inline std::map<QString, QByteArray> Contents(const QString& dir) {
  std::map<QString, QByteArray> files;
  QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    QByteArray& bytes = files[QDir(dir).relativeFilePath(file.fileName())];
    if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  }
  return files;
}

}  // namespace quelbrook::testing
