#include "test_copies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quelbrook {

namespace {
const char* const kCopyPrefix = "quelbrook-test-";
}

QString TestCopyPattern() { return QDir(QDir::tempPath()).filePath(QString(kCopyPrefix) + "XXXXXX.nes"); }

int RemoveOldTestCopies(const QString& folder, std::chrono::seconds maxAge) {
  const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-maxAge.count());
  int removed = 0;
  const QFileInfoList copies =
      QDir(folder).entryInfoList({QString(kCopyPrefix) + "*.nes"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo& copy : copies)
    if (copy.lastModified().toUTC() < limit && QFile::remove(copy.absoluteFilePath())) ++removed;
  return removed;
}

}  // namespace quelbrook
