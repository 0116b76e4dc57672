#pragma once
// Writes synthetic ROM files with chosen bytes in chosen regions.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "byte_map.h"
#include "screen_data.h"

namespace quelbrook::testing {

// Large enough for every region the editor reads (the start-screen byte is last).
constexpr std::size_t kFullRomSize = 131088;

class RomBuilder {
 public:
  explicit RomBuilder(std::size_t size = kFullRomSize, std::uint8_t fill = 0);

  RomBuilder& Set(std::size_t offset, std::uint8_t value);
  RomBuilder& Set(std::size_t offset, const std::vector<std::uint8_t>& values);
  RomBuilder& Record(int screen, const RecordBytes& bytes);
  RomBuilder& Screen(int screen, const ScreenData& data);
  RomBuilder& StartScreenByte(std::uint8_t value);
  RomBuilder& Hook(std::uint8_t opcode, std::uint16_t operand);
  RomBuilder& EndingText(const std::vector<std::uint8_t>& bytes);
  // A recognisable record for screen n, every field different from its neighbours'.
  RomBuilder& DistinctScreens();

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  void Write(const std::filesystem::path& path) const;

 private:
  std::vector<std::uint8_t> bytes_;
};

RecordBytes DistinctRecord(int screen);
// The start-screen byte that starts the game on screen 55, and that screen's record.
constexpr std::uint8_t kStartsAt55 = 16;
constexpr std::size_t k55 = static_cast<std::size_t>(ScreenRecordOffset(55));

// Offsets at which two file images differ, a length difference included.
std::vector<std::size_t> ChangedOffsets(const std::vector<std::uint8_t>& before,
                                        const std::vector<std::uint8_t>& after);
std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);

// A fresh directory removed again at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace quelbrook::testing
