#include "regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "editor_error.h"
#include "file_descriptor.h"

namespace quelbrook {

namespace {
constexpr std::size_t kChunk = 4096;

template <typename Content>
std::optional<Content> ReadRegular(int fd, std::size_t maxBytes, Content content = {}) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) ThrowFileError(errno);
  if (!S_ISREG(info.st_mode)) ThrowFileError(EISDIR);
  const auto expected = static_cast<std::size_t>(info.st_size);
  if (expected > maxBytes) return std::nullopt;

  // A file is taken at the size it had when opened; one that tells no size is read to its end.
  content.resize(expected > 0 ? expected : kChunk);
  std::size_t filled = 0;
  for (;;) {
    if (filled == content.size()) {
      if (expected > 0) break;
      content.resize(content.size() + kChunk);
    }
    const ssize_t n = ::read(fd, content.data() + filled, content.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowFileError(errno);
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
    if (filled > maxBytes) return std::nullopt;
  }
  content.resize(filled);
  return content;
}

template <typename Content>
std::optional<Content> ReadRegular(const std::string& path, std::size_t maxBytes) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) ThrowFileError(errno, path);
  try {
    return ReadRegular<Content>(file.get(), maxBytes);
  } catch (const FileError& error) {
    throw FileError(error.what(), path);
  }
}
}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
  return ReadRegular<std::string>(path, maxBytes);
}

std::optional<std::vector<std::uint8_t>> ReadRegularFileBytes(const std::string& path, std::size_t maxBytes) {
  return ReadRegular<std::vector<std::uint8_t>>(path, maxBytes);
}

std::optional<std::vector<std::uint8_t>> ReadRegularFileBytes(int fd, std::size_t maxBytes,
                                                              std::vector<std::uint8_t> buffer) {
  return ReadRegular(fd, maxBytes, std::move(buffer));
}

}  // namespace quelbrook
