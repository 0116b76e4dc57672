#include "emulator_call.h"

#include <QStandardPaths>

#include "core_search.h"

namespace quelbrook {

namespace {
const char* const kStandaloneEmulators[] = {"fceux", "nestopia", "mednafen"};
}  // namespace

std::optional<EmulatorCall> FindEmulatorCall(const QStringList& coreFolders) {
  for (const char* name : kStandaloneEmulators) {
    const QString program = QStandardPaths::findExecutable(name);
    if (!program.isEmpty()) return EmulatorCall{program, {}};
  }
  const QString retroArch = QStandardPaths::findExecutable("retroarch");
  if (retroArch.isEmpty()) return std::nullopt;
  const QString core = play::FindNesCore(coreFolders);
  if (core.isEmpty()) return std::nullopt;
  return EmulatorCall{retroArch, {"-L", core}};
}

}  // namespace quelbrook
