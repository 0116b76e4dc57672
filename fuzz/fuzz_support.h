#pragma once
// Shared pieces of the fuzz targets: a loud failure and a file in memory that the
// code under test opens by path, as it would open a file of the user's.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace quelbrook::fuzzing {

// A broken invariant must stop the run so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

inline void Check(bool condition, const std::string& what) {
  if (!condition) Fail(what);
}

// One memfd reused for every input: no disk traffic and no files left behind.
class MemoryFile {
 public:
  explicit MemoryFile(const char* name) : fd_(::memfd_create(name, MFD_CLOEXEC)) {
    Check(fd_ >= 0, "memfd_create failed");
  }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  void Fill(const std::uint8_t* data, std::size_t size) {
    Check(::ftruncate(fd_, 0) == 0, "ftruncate failed");
    std::size_t done = 0;
    while (done < size) {
      ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      Check(n > 0, "pwrite failed");
      done += static_cast<std::size_t>(n);
    }
  }

  std::vector<std::uint8_t> Contents() const {
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (off_t offset = 0;;) {
      ssize_t n = ::pread(fd_, buffer, sizeof buffer, offset);
      Check(n >= 0, "pread failed");
      if (n == 0) break;
      bytes.insert(bytes.end(), buffer, buffer + n);
      offset += n;
    }
    return bytes;
  }

  std::string directory() const { return "/proc/self/fd"; }
  std::string name() const { return std::to_string(fd_); }
  std::string path() const { return directory() + "/" + name(); }

 private:
  int fd_;
};

}  // namespace quelbrook::fuzzing
