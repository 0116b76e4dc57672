#include <QApplication>
#include <QFontDatabase>
#include <future>
#include <optional>

#include "command_line.h"
#include "editor_style.h"
#include "form1.h"
#include "heap_policy.h"
#include "picture_prefetch.h"

int main(int argc, char** argv) {
  if (const auto exitCode = quelbrook::AnswerInformationOptions(argc, argv)) return *exitCode;
  quelbrook::KeepFreedMemoryForReuse();
  QApplication application(argc, argv);
  QApplication::setStyle(new quelbrook::EditorStyle);  // the application owns it
  // Qt reads the whole font list before it lays out the first letter, so another core reads
  // it while the window makes its parts without text and reads its first pictures. The font
  // list exists only once the application does.
  const auto fontList = std::async(std::launch::async, [] { QFontDatabase::families(); });
  std::optional<quelbrook::PicturePrefetch> startPictures(std::in_place, quelbrook::PictureFolderAtStart(),
                                                          quelbrook::TForm1::StartPicturePaths());
  QApplication::setOrganizationName("Quelbrook");
  QApplication::setApplicationName("QuelbrookEditor");
  const QString rom = quelbrook::RomArgument(QApplication::arguments());
  quelbrook::EnterInstalledDataFolder();
  quelbrook::TForm1 form1;
  startPictures.reset();  // later loads read the files, which the user may change
  form1.show();
  if (!rom.isEmpty()) form1.OpenRomFile(rom);
  return QApplication::exec();
}
