#include "play_inputs.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "arguments.h"
#include "test_copies.h"
#include "usage_error.h"
#include "whole_files.h"

namespace quelbrook::cli {

QByteArray RomToPlay(const std::string& rom, std::optional<int> screen) {
  const QString path = QString::fromStdString(rom);
  // The copy rule of "Test this screen": a copy starts on the screen, the ROM stays as it is.
  if (screen) return play::TestCopyBytes(path, *screen);
  return play::ReadRomBytes(path);
}

play::InputScript ScriptArgument(const std::string& text) {
  if (text.find(':') != std::string::npos && !QFileInfo::exists(QString::fromStdString(text)))
    return InputArgument(text);
  const Bytes script = ReadWholeFile(text);
  const QStringList entries =
      QString::fromUtf8(reinterpret_cast<const char*>(script.data()), static_cast<qsizetype>(script.size()))
          .split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
  if (entries.isEmpty()) throw UsageError("The input script " + text + " holds no entries");
  return InputArgument(entries.join(',').toStdString());
}

}  // namespace quelbrook::cli
