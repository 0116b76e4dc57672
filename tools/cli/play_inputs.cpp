#include "play_inputs.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "arguments.h"
#include "editor_error.h"
#include "test_copies.h"
#include "usage_error.h"

namespace quelbrook::cli {

namespace {
QByteArray FileBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (QFileInfo(file).isDir()) throw EditorError(path + " is a folder, not a file");
  if (!file.open(QIODevice::ReadOnly)) throw EditorError(path + ": " + messages::kFileNotFound);
  return file.readAll();
}
}  // namespace

QByteArray RomToPlay(const std::string& rom, std::optional<int> screen) {
  // The copy rule of "Test this screen": a copy starts on the screen, the ROM stays as it is.
  if (screen) return play::TestCopyBytes(QString::fromStdString(rom), *screen);
  return FileBytes(rom);
}

play::InputScript ScriptArgument(const std::string& text) {
  if (text.find(':') != std::string::npos && !QFileInfo::exists(QString::fromStdString(text)))
    return InputArgument(text);
  const QStringList entries =
      QString::fromUtf8(FileBytes(text)).split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
  if (entries.isEmpty()) throw UsageError("The input script " + text + " holds no entries");
  return InputArgument(entries.join(',').toStdString());
}

}  // namespace quelbrook::cli
