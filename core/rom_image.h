#pragma once
// The cartridge image on disk, opened for one operation and closed at its end.
// Nothing is cached: the file is the only copy of the game data.

#include <cstdint>
#include <string>
#include <vector>

namespace quelbrook {

class RomImage {
 public:
  explicit RomImage(std::string path);
  ~RomImage();
  RomImage(const RomImage&) = delete;
  RomImage& operator=(const RomImage&) = delete;

  const std::string& path() const { return path_; }
  bool isOpen() const { return fd_ >= 0; }

  // Opens the existing file for reading and writing; never creates it.
  void Open();
  // Takes over a descriptor already open for reading and writing, such as a duplicate of one
  // whose lock the caller holds, so that the bytes go to the very file it locked and read.
  void Adopt(int fd);
  void Seek(long offset);
  std::uint8_t ReadByte();
  // Never extends the file: a write past its end fails instead.
  void WriteByte(std::uint8_t value);
  // Runs of bytes in one system call each, for callers that read or write whole regions.
  // Reading fails as ReadByte does at the end of the file; writing never extends the file.
  std::vector<std::uint8_t> ReadBytes(long offset, std::size_t count);
  void WriteBytes(long offset, const std::vector<std::uint8_t>& bytes);
  long Size() const;
  void Close();

 private:
  std::string path_;
  int fd_ = -1;
  long position_ = 0;
};

// Fails with "Write beyond end of file" unless [offset, offset + length) lies in the file,
// so that a writer can refuse before its first byte.
void RequireRegion(const RomImage& rom, long offset, long length);

}  // namespace quelbrook
