#include "test_copies.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "byte_map.h"
#include "count_text.h"
#include "editor_error.h"
#include "rom_patch.h"
#include "screen_decoding.h"

namespace quelbrook::play {

namespace {
const char* const kCopyPrefix = "quelbrook-test-";

ScreenRecords Only(int screen, const std::optional<RecordBytes>& record) {
  return record ? ScreenRecords{{screen, *record}} : ScreenRecords{};
}

void RequireScreen(int screen) {
  if (screen < 1 || screen > kScreenCount)
    throw EditorError("Screen " + std::to_string(screen) + " does not exist: screens are 1 to " +
                      std::to_string(kScreenCount));
}
}  // namespace

std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const std::optional<RecordBytes>& record) {
  return WriteTestCopy(romPath, screen, Only(screen, record));
}

std::unique_ptr<QTemporaryFile> WriteTestCopy(const QString& romPath, int screen,
                                              const ScreenRecords& records) {
  RequireScreen(screen);
  for (const auto& [recordScreen, record] : records) RequireScreen(recordScreen);
  QFile original(romPath);
  if (!original.open(QIODevice::ReadOnly)) throw EditorError(messages::kFileNotFound);
  const QByteArray bytes = original.readAll();
  original.close();
  // Checked before any copy is made: a file of another kind must not fail half-way with
  // the patch writer's "Write beyond end of file".
  if (bytes.size() <= kStartScreenOffset)
    throw EditorError("Cannot start on screen " + std::to_string(screen) + ": " + romPath.toStdString() +
                      " ends before the byte that chooses the start screen (offset " +
                      std::to_string(kStartScreenOffset) + "; the file has " +
                      CountText(static_cast<std::size_t>(bytes.size()), "byte") + ")");

  RemoveOldTestCopies(QDir::tempPath());
  auto copy =
      std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QString(kCopyPrefix) + "XXXXXX.nes"));
  if (!copy->open() || copy->write(bytes) != bytes.size())
    throw EditorError("The test copy could not be written");
  copy->close();
  std::vector<BytePatch> patches{{kStartScreenOffset, {EncodeStartScreenByte(screen)}}};
  for (const auto& [recordScreen, record] : records)
    patches.push_back({ScreenRecordOffset(recordScreen), {record.begin(), record.end()}});
  WritePatchesToFile(QFile::encodeName(copy->fileName()).toStdString(), patches);
  return copy;
}

QByteArray TestCopyBytes(const QString& romPath, int screen, const std::optional<RecordBytes>& record) {
  return TestCopyBytes(romPath, screen, Only(screen, record));
}

QByteArray TestCopyBytes(const QString& romPath, int screen, const ScreenRecords& records) {
  const auto copy = WriteTestCopy(romPath, screen, records);
  if (!copy->open()) throw EditorError("The test copy could not be read");
  return copy->readAll();
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
