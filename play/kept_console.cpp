#include "kept_console.h"

#include <QCoreApplication>

namespace quelbrook::play {

namespace {
std::unique_ptr<ConsoleProcess>& Kept() {
  static std::unique_ptr<ConsoleProcess> kept;
  return kept;
}

// While the application is still whole, not among the static objects after it.
void EndKeptConsole() { Kept().reset(); }
}  // namespace

std::unique_ptr<ConsoleProcess> TakeKeptConsole(const QString& corePath) {
  if (Kept() && Kept()->CorePath() == corePath) return std::move(Kept());
  Kept().reset();
  return std::make_unique<ConsoleProcess>(corePath);
}

void KeepConsole(std::unique_ptr<ConsoleProcess> console) {
  static const bool endsWithTheApplication = [] {
    qAddPostRoutine(&EndKeptConsole);
    return true;
  }();
  (void)endsWithTheApplication;
  console->UnloadRom();
  Kept() = std::move(console);
}

}  // namespace quelbrook::play
