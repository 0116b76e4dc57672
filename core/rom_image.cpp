#include "rom_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "editor_error.h"

namespace quelbrook {

namespace {

void RequireOpen(int fd) {
  if (fd < 0) throw EditorError(messages::IoError(EBADF));
}

}  // namespace

RomImage::RomImage(std::string path) : path_(std::move(path)) {}

RomImage::~RomImage() {
  if (fd_ >= 0) ::close(fd_);
}

void RomImage::Open() {
  if (fd_ >= 0) Close();
  // O_NOCTTY and no O_CREAT: a missing file is an error, never a new empty ROM.
  int fd = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) ThrowFileError(errno, path_);
  struct stat info {};
  int code = ::fstat(fd, &info) != 0 ? errno : (S_ISREG(info.st_mode) ? 0 : EISDIR);
  if (code != 0) {
    ::close(fd);
    ThrowFileError(code, path_);
  }
  fd_ = fd;
  position_ = 0;
}

void RomImage::Adopt(int fd) {
  if (fd_ >= 0) Close();
  fd_ = fd;
  position_ = 0;
}

void RomImage::Seek(long offset) {
  RequireOpen(fd_);
  if (offset < 0) throw EditorError(messages::IoError(EINVAL));
  position_ = offset;
}

std::uint8_t RomImage::ReadByte() {
  RequireOpen(fd_);
  std::uint8_t value = 0;
  for (;;) {
    ssize_t n = ::pread(fd_, &value, 1, position_);
    if (n == 1) break;
    if (n == 0) throw FileError(messages::kReadBeyondEnd, path_);
    if (errno != EINTR) ThrowFileError(errno, path_);
  }
  ++position_;
  return value;
}

void RomImage::WriteByte(std::uint8_t value) {
  RequireOpen(fd_);
  if (position_ >= Size()) throw FileError(messages::kWriteBeyondEnd, path_);
  for (;;) {
    ssize_t n = ::pwrite(fd_, &value, 1, position_);
    if (n == 1) break;
    if (n < 0 && errno == EINTR) continue;
    ThrowFileError(n < 0 ? errno : EIO, path_);
  }
  ++position_;
}

std::vector<std::uint8_t> RomImage::ReadBytes(long offset, std::size_t count) {
  RequireOpen(fd_);
  std::vector<std::uint8_t> bytes(count);
  std::size_t done = 0;
  while (done < count) {
    ssize_t n = ::pread(fd_, bytes.data() + done, count - done, offset + static_cast<long>(done));
    if (n == 0) throw FileError(messages::kReadBeyondEnd, path_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError(errno, path_);
    done += static_cast<std::size_t>(n);
  }
  position_ = offset + static_cast<long>(count);
  return bytes;
}

void RomImage::WriteBytes(long offset, const std::vector<std::uint8_t>& bytes) {
  RequireRegion(*this, offset, static_cast<long>(bytes.size()));
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, offset + static_cast<long>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ThrowFileError(n < 0 ? errno : EIO, path_);
    done += static_cast<std::size_t>(n);
  }
  position_ = offset + static_cast<long>(bytes.size());
}

long RomImage::Size() const {
  RequireOpen(fd_);
  struct stat info {};
  if (::fstat(fd_, &info) != 0) ThrowFileError(errno, path_);
  return static_cast<long>(info.st_size);
}

void RomImage::Close() {
  if (fd_ < 0) return;
  int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0 && errno != EINTR) ThrowFileError(errno, path_);
}

void RequireRegion(const RomImage& rom, long offset, long length) {
  if (offset < 0 || offset + length > rom.Size()) throw FileError(messages::kWriteBeyondEnd, rom.path());
}

}  // namespace quelbrook
