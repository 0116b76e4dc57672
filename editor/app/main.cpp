#include <QApplication>

#include "command_line.h"
#include "form1.h"

int main(int argc, char** argv) {
  if (const auto exitCode = quelbrook::AnswerInformationOptions(argc, argv)) return *exitCode;
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Quelbrook");
  QApplication::setApplicationName("QuelbrookEditor");
  const QString rom = quelbrook::RomArgument(QApplication::arguments());
  quelbrook::EnterInstalledDataFolder();
  quelbrook::TForm1 form1;
  form1.show();
  if (!rom.isEmpty()) form1.OpenRomFile(rom);
  return QApplication::exec();
}
