#include "quick_state.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "editor_error.h"

namespace quelbrook::play {

QString QuickStatePath(const QString& romPath) {
  // The same ROM reached by another spelling of its path keeps one slot.
  const QString rom = QFileInfo(romPath).absoluteFilePath();
  const QByteArray key = QCryptographicHash::hash(rom.toUtf8(), QCryptographicHash::Sha1).toHex();
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath("states/" + QString::fromLatin1(key) + ".state");
}

void WriteQuickState(const QString& romPath, const QByteArray& state) {
  const QString path = QuickStatePath(romPath);
  QSaveFile file(path);
  if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
      file.write(state) != state.size() || !file.commit())
    throw EditorError("The state could not be saved to " + path.toStdString() + ": " +
                      file.errorString().toStdString());
}

std::optional<QByteArray> ReadQuickState(const QString& romPath) {
  QFile file(QuickStatePath(romPath));
  if (!file.exists()) return std::nullopt;
  if (!file.open(QIODevice::ReadOnly))
    throw EditorError("The saved state " + file.fileName().toStdString() +
                      " could not be read: " + file.errorString().toStdString());
  return file.readAll();
}

}  // namespace quelbrook::play
