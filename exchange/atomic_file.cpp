#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "editor_error.h"
#include "file_descriptor.h"
#include "regular_file.h"

namespace quelbrook {

namespace {

void WriteAll(int fd, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ThrowFileError(n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::string& content) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) ThrowFileError(EISDIR);
  std::string temporary = path + ".tmp-XXXXXX";
  FileDescriptor file(::mkstemp(temporary.data()));
  if (file.get() < 0) ThrowFileError(errno);
  try {
    WriteAll(file.get(), content);
    if (::fsync(file.get()) != 0) ThrowFileError(errno);
    ::fchmod(file.get(), 0644);
    if (::close(file.release()) != 0) ThrowFileError(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) ThrowFileError(errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

std::string ReadSideFile(const std::string& path, std::size_t maxBytes) {
  auto content = ReadRegularFile(path, maxBytes);
  if (!content) throw EditorError("The file is too large to be a side file of one screen");
  return std::move(*content);
}

}  // namespace quelbrook
