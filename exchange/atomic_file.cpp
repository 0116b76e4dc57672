#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "descriptor_io.h"
#include "editor_error.h"
#include "file_descriptor.h"
#include "regular_file.h"

namespace quelbrook {

namespace {

void WriteAll(int fd, const std::string& content, const std::string& path) {
  if (!WriteAllBytes(fd, content.data(), content.size())) ThrowFileError(errno, path);
}

// The permissions a new file gets from open(2) with mode 0666.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string FileBehindLinks(const std::string& path) {
  std::string current = path;
  for (int depth = 0; depth < 40; ++depth) {  // the kernel's own limit on links in a row
    struct stat link {};
    if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return current;
    std::string target(static_cast<std::size_t>(link.st_size > 0 ? link.st_size : 4096) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length < 0) ThrowFileError(errno, path);
    target.resize(static_cast<std::size_t>(length));
    if (!target.empty() && target[0] != '/') {
      const std::size_t slash = current.rfind('/');
      if (slash != std::string::npos) target = current.substr(0, slash + 1) + target;
    }
    current = target;
  }
  ThrowFileError(ELOOP, path);
}

void WriteFileAtomically(const std::string& requestedPath, const std::string& content) {
  // A symbolic link stays and the file it names is replaced, as QSaveFile does.
  const std::string path = FileBehindLinks(requestedPath);
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) ThrowFileError(EISDIR, requestedPath);
  std::string temporary = path + ".tmp-XXXXXX";
  FileDescriptor file(::mkstemp(temporary.data()));
  if (file.get() < 0) ThrowFileError(errno, requestedPath);
  try {
    WriteAll(file.get(), content, requestedPath);
    if (::fsync(file.get()) != 0) ThrowFileError(errno, requestedPath);
    // The replaced file keeps its permissions (and, where allowed, its owner); a new file
    // gets what open(2) would have given it.
    if (exists) {
      if (::fchown(file.get(), existing.st_uid, existing.st_gid) != 0) {
        // Only the owner may be kept by its owner or root; the mode is kept all the same.
      }
      ::fchmod(file.get(), existing.st_mode & 07777);
    } else {
      ::fchmod(file.get(), NewFileMode());
    }
    if (::close(file.release()) != 0) ThrowFileError(errno, requestedPath);
    if (::rename(temporary.c_str(), path.c_str()) != 0) ThrowFileError(errno, requestedPath);
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
