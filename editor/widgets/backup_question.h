#pragma once
// Before the first write after Open ROM: the backup copy beside the ROM, or, when it
// cannot be made, the user's leave to write without one.

#include <string>

#include "dialogs.h"

namespace quelbrook {

// The Yes/No question asked when the backup copy cannot be made; it names the reason.
QString BackupQuestionText(const std::string& backupPath, const std::string& reason);

// Makes the backup copy once (MakeBackupOnce). When the copy cannot be made, asks whether
// to write without it: Yes returns normally (the caller writes without a backup until the
// next Open ROM), No throws EditorError "Nothing was written". Other failures (the ROM
// gone) are thrown as they are.
void BackupOrLeaveToWriteWithout(const std::string& romPath, Dialogs& dialogs);

}  // namespace quelbrook
