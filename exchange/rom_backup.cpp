#include "rom_backup.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "atomic_file.h"
#include "editor_error.h"

namespace quelbrook {

std::string BackupPathOf(const std::string& romPath) { return romPath + ".bak"; }

bool MakeBackupOnce(const std::string& romPath) {
  const std::string backup = BackupPathOf(romPath);
  struct stat info {};
  if (::lstat(backup.c_str(), &info) == 0) return false;
  // A ROM that is gone or is a folder is reported as the write itself would report it,
  // not as a failed copy, and never reaches the stream (it throws its own text on a folder).
  if (::stat(romPath.c_str(), &info) != 0) ThrowFileError(errno, romPath);
  if (!S_ISREG(info.st_mode)) ThrowFileError(EISDIR, romPath);
  try {
    std::ifstream in(romPath, std::ios::binary);
    if (!in) ThrowFileError(errno, romPath);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) ThrowFileError(EIO, romPath);
    WriteFileAtomically(backup, content);
  } catch (const EditorError& error) {
    throw BackupNotMade(backup, error.what());
  }
  return true;
}

}  // namespace quelbrook
