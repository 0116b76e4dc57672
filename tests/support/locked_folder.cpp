#include "locked_folder.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quelbrook::testing {

namespace {
// Sets or clears the immutable flag; errno on failure.
int SetImmutable(const std::filesystem::path& folder, bool on) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return errno;
  int flags = 0;
  int result = ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
  if (result == 0) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    result = ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
  }
  const int error = result == 0 ? 0 : errno;
  ::close(fd);
  return error;
}

bool TakesNewFiles(const std::filesystem::path& folder) {
  const std::string probe = (folder / ".probe-XXXXXX").string();
  std::string name = probe;
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(name.c_str());
  return true;
}
}  // namespace

LockedFolder::LockedFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
  if (::geteuid() != 0) {
    ::chmod(folder_.c_str(), 0555);
  } else if (const int error = SetImmutable(folder_, true); error != 0) {
    whyNot_ = std::string("root cannot make the folder immutable here (chattr +i: ") + std::strerror(error) + ")";
    return;
  } else {
    immutable_ = true;
  }
  locked_ = !TakesNewFiles(folder_);
  if (!locked_) whyNot_ = "the folder still takes new files";
}

LockedFolder::~LockedFolder() {
  if (immutable_) SetImmutable(folder_, false);
  ::chmod(folder_.c_str(), 0755);
}

}  // namespace quelbrook::testing
