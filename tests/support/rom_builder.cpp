#include "rom_builder.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quelbrook::testing {

RomBuilder::RomBuilder(std::size_t size, std::uint8_t fill) : bytes_(size, fill) {}

RomBuilder& RomBuilder::Set(std::size_t offset, std::uint8_t value) {
  if (offset < bytes_.size()) bytes_[offset] = value;
  return *this;
}

RomBuilder& RomBuilder::Set(std::size_t offset, const std::vector<std::uint8_t>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) Set(offset + i, values[i]);
  return *this;
}

RomBuilder& RomBuilder::Record(int screen, const RecordBytes& bytes) {
  return Set(static_cast<std::size_t>(ScreenRecordOffset(screen)), {bytes.begin(), bytes.end()});
}

RomBuilder& RomBuilder::Screen(int screen, const ScreenData& data) {
  return Record(screen, EncodeScreenRecord(data));
}

RomBuilder& RomBuilder::StartScreenByte(std::uint8_t value) { return Set(kStartScreenOffset, value); }

RomBuilder& RomBuilder::Hook(std::uint8_t opcode, std::uint16_t operand) {
  return Set(kEndScreenHookOffset,
             {opcode, static_cast<std::uint8_t>(operand & 0xFF), static_cast<std::uint8_t>(operand >> 8)});
}

RomBuilder& RomBuilder::EndingText(const std::vector<std::uint8_t>& bytes) {
  return Set(kEndingTextOffset, bytes);
}

RomBuilder& RomBuilder::DistinctScreens() {
  for (int n = 1; n <= kScreenCount; ++n) Record(n, DistinctRecord(n));
  return *this;
}

RecordBytes DistinctRecord(int screen) {
  RecordBytes bytes{};
  for (int i = 0; i < kTileCount; ++i)
    bytes[kRecordTiles + i] = static_cast<std::uint8_t>((screen * 7 + i) % 176);
  bytes[kRecordItem] = static_cast<std::uint8_t>(screen % 12);
  bytes[kRecordItemDestination] = static_cast<std::uint8_t>((screen * 3) % 192);
  for (int i = 0; i < kMessageLength; ++i)
    bytes[kRecordMessage + i] = i < 4 ? static_cast<std::uint8_t>(0x41 + (screen + i) % 26) : 0x00;
  for (int i = 0; i < kEnemyCount; ++i) {
    bytes[kRecordEnemyKinds + i] = static_cast<std::uint8_t>((screen + i) % 16);
    bytes[kRecordEnemyDestinations + i] = static_cast<std::uint8_t>((screen * 5 + 40 * i) % 192);
  }
  bytes[kRecordPalette1] = static_cast<std::uint8_t>(screen);
  bytes[kRecordPalette2] = static_cast<std::uint8_t>(255 - screen);
  return bytes;
}

void RomBuilder::Write(const std::filesystem::path& path) const { WriteFile(path, bytes_); }

std::vector<std::size_t> ChangedOffsets(const std::vector<std::uint8_t>& before,
                                        const std::vector<std::uint8_t>& after) {
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i)
    if (i >= before.size() || i >= after.size() || before[i] != after[i]) changed.push_back(i);
  return changed;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  WriteFile(path, {text.begin(), text.end()});
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quelbrook-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace quelbrook::testing
