#pragma once
// The first write after a ROM is opened keeps a copy of it as it was, beside it.

#include <string>

#include "editor_error.h"

namespace quelbrook {

std::string BackupPathOf(const std::string& romPath);  // the ROM's name + ".bak"

// The copy could not be made although the ROM is there: what() is the whole message,
// reason() the file layer's text ("File access denied").
class BackupNotMade : public EditorError {
 public:
  BackupNotMade(const std::string& backupPath, const std::string& reason)
      : EditorError("The backup copy " + backupPath + " could not be made (" + reason +
                    "), so nothing was written"),
        backupPath_(backupPath),
        reason_(reason) {}
  const std::string& backupPath() const { return backupPath_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string backupPath_;
  std::string reason_;
};

// Copies the ROM to its backup unless a backup already exists (the oldest copy is
// the one worth keeping). Returns whether a copy was made; throws BackupNotMade when the
// copy fails, EditorError when the ROM itself is gone or no file.
bool MakeBackupOnce(const std::string& romPath);

}  // namespace quelbrook
