#include "test_copies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "editor_error.h"
#include "regular_file.h"
#include "starting_copy.h"

namespace quelbrook::play {

namespace {
const char* const kCopyPrefix = "quelbrook-test-";
// Half of what one message to the console program may carry; no NES ROM comes near it.
constexpr std::size_t kLargestRom = 32 * 1024 * 1024;

ScreenRecords Only(int screen, const std::optional<RecordBytes>& record) {
  return record ? ScreenRecords{{screen, *record}} : ScreenRecords{};
}
}  // namespace

QByteArray ReadRomBytes(const QString& romPath) {
  const std::string path = QFile::encodeName(romPath).toStdString();
  const auto bytes = ReadRegularFileBytes(path, kLargestRom);
  if (!bytes) throw FileError("The file is too large to be an NES ROM", path);
  return QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size()));
}

QByteArray StartingCopyBytes(const QByteArray& rom, const QString& name, int screen,
                             const ScreenRecords& records) {
  const auto copy = StartingCopy({rom.begin(), rom.end()}, name.toStdString(), screen, records);
  return QByteArray(reinterpret_cast<const char*>(copy.data()), static_cast<qsizetype>(copy.size()));
}

QByteArray TestCopyBytes(const QString& romPath, int screen, const ScreenRecords& records) {
  return StartingCopyBytes(ReadRomBytes(romPath), romPath, screen, records);
}

QByteArray TestCopyBytes(const QString& romPath, int screen, const std::optional<RecordBytes>& record) {
  return TestCopyBytes(romPath, screen, Only(screen, record));
}

std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const std::optional<RecordBytes>& record) {
  // Made before the file exists, so a refused copy leaves nothing behind.
  const QByteArray bytes = TestCopyBytes(romPath, screen, record);
  RemoveOldTestCopies(QDir::tempPath());
  auto copy =
      std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QString(kCopyPrefix) + "XXXXXX.nes"));
  if (!copy->open() || copy->write(bytes) != bytes.size() || !copy->flush())
    throw EditorError("The test copy could not be written");
  copy->close();
  return copy;
}

int RemoveOldTestCopies(const QString& folder, std::chrono::seconds maxAge) {
  const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-maxAge.count());
  int removed = 0;
  const QFileInfoList copies = QDir(folder).entryInfoList({QString(kCopyPrefix) + "*.nes"},
                                                          QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo& copy : copies)
    if (copy.lastModified().toUTC() < limit && QFile::remove(copy.absoluteFilePath())) ++removed;
  return removed;
}

}  // namespace quelbrook::play
