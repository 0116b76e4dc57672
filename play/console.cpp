#include "console.h"

#include <QDir>
#include <QStandardPaths>

#include "editor_error.h"
#include "ines_check.h"
#include "test_copies.h"

namespace quelbrook::play {

QString DefaultPlayFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
      .filePath("quelbrook/play");
}

void Console::LoadRomFile(const QString& path) { LoadRom(ReadRomBytes(path), path); }

void Console::RequireReproducibleFrames() const {
  if (FramesAreReproducible()) return;
  throw EditorError("The NES core " + CoreName().toStdString() +
                    " does not take the settings that make its frames the same on every run and "
                    "in the editor's colours: learning pictures needs Debian's Nestopia core "
                    "(package libretro-nestopia)");
}

void Console::RequireRomBytes(const QByteArray& bytes, const QString& name) {
  if (const auto problem =
          InesProblem(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())))
    throw EditorError(name.toStdString() + " is " + *problem);
}

void Console::RequireGame() const {
  if (!HasRom()) throw EditorError("No game is loaded");
}

}  // namespace quelbrook::play
