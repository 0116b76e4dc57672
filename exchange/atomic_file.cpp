#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "editor_error.h"

namespace quelbrook {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

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
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) ThrowFileError(errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) ThrowFileError(errno);
  if (!S_ISREG(info.st_mode)) ThrowFileError(EISDIR);
  std::string content;
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError(errno);
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
    if (content.size() > maxBytes) throw EditorError("The file is too large to be a side file of one screen");
  }
  return content;
}

}  // namespace quelbrook
