#include "backup_question.h"

#include "editor_error.h"
#include "rom_backup.h"

namespace quelbrook {

QString BackupQuestionText(const std::string& backupPath, const std::string& reason) {
  return "The backup copy " + QString::fromStdString(backupPath) + " could not be made (" +
         QString::fromStdString(reason) +
         ").\n\nWrite to the ROM without a backup copy until the next Open ROM?";
}

void BackupOrLeaveToWriteWithout(const std::string& romPath, Dialogs& dialogs) {
  try {
    MakeBackupOnce(romPath);
  } catch (const BackupNotMade& failure) {
    if (!dialogs.question("Attention!", BackupQuestionText(failure.backupPath(), failure.reason())))
      throw EditorError("Nothing was written: the backup copy " + failure.backupPath() +
                        " could not be made (" + failure.reason() + ")");
  }
}

}  // namespace quelbrook
