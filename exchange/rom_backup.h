#pragma once
// The first write after a ROM is opened keeps a copy of it as it was, beside it.

#include <string>

namespace quelbrook {

std::string BackupPathOf(const std::string& romPath);  // the ROM's name + ".bak"

// Copies the ROM to its backup unless a backup already exists (the oldest copy is
// the one worth keeping). Returns whether a copy was made; throws EditorError.
bool MakeBackupOnce(const std::string& romPath);

}  // namespace quelbrook
