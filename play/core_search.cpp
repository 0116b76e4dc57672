#include "core_search.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "editor_error.h"

namespace quelbrook::play {

namespace {
// Debian ships the first; RetroArch downloads the others.
const char* const kNesCores[] = {"nestopia_libretro.so", "fceumm_libretro.so", "mesen_libretro.so",
                                 "quicknes_libretro.so"};
}  // namespace

QStringList LibretroCoreFolders() {
  QStringList folders;
  const QDir lib("/usr/lib");
  for (const QString& architecture : lib.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    folders << lib.filePath(architecture + "/libretro");
  folders << lib.filePath("libretro");
  folders << QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                 .filePath("retroarch/cores");
  return folders;
}

QString FindNesCore(const QStringList& coreFolders) {
  for (const char* core : kNesCores)
    for (const QString& folder : coreFolders) {
      const QFileInfo file(QDir(folder).filePath(core));
      if (file.isFile()) return file.absoluteFilePath();
    }
  return {};
}

QString ChooseNesCore(const QString& requested, const QStringList& coreFolders) {
  if (!requested.isEmpty()) {
    const QFileInfo file(requested);
    if (file.isDir())
      throw EditorError("The libretro core " + requested.toStdString() + " is a folder, not a core");
    if (!file.isFile()) throw EditorError("The libretro core " + requested.toStdString() + " was not found");
    return requested;
  }
  const QString found = FindNesCore(coreFolders);
  if (found.isEmpty()) throw EditorError(kNoCoreMessage);
  return found;
}

QString ChosenNesCore() { return ChooseNesCore(QSettings().value(kCoreSetting).toString()); }

}  // namespace quelbrook::play
