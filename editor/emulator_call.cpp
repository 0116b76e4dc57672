#include "emulator_call.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quelbrook {

namespace {
const char* const kStandaloneEmulators[] = {"fceux", "nestopia", "mednafen"};
// Debian ships the first; RetroArch downloads the others.
const char* const kNesCores[] = {"nestopia_libretro.so", "fceumm_libretro.so", "mesen_libretro.so",
                                 "quicknes_libretro.so"};

QString FindNesCore(const QStringList& coreFolders) {
  for (const char* core : kNesCores)
    for (const QString& folder : coreFolders) {
      const QFileInfo file(QDir(folder).filePath(core));
      if (file.isFile()) return file.absoluteFilePath();
    }
  return {};
}
}  // namespace

std::optional<EmulatorCall> FindEmulatorCall(const QStringList& coreFolders) {
  for (const char* name : kStandaloneEmulators) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) return EmulatorCall{program, {}};
  }
  const QString retroArch = QStandardPaths::findExecutable("retroarch");
  if (retroArch.isEmpty()) return std::nullopt;
  const QString core = FindNesCore(coreFolders);
  if (core.isEmpty()) return std::nullopt;
  return EmulatorCall{retroArch, {"-L", core}};
}

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

}  // namespace quelbrook
