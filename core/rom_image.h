#pragma once
// The cartridge image on disk, opened for one operation and closed at its end.
// Nothing is cached: the file is the only copy of the game data.

#include <cstdint>
#include <string>

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
  void Seek(long offset);
  std::uint8_t ReadByte();
  // Never extends the file: a write past its end fails instead.
  void WriteByte(std::uint8_t value);
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
