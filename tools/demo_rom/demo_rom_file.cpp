#include "demo_rom_file.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "demo_world.h"
#include "editor_error.h"
#include "end_screen_patch.h"
#include "rom_image.h"
#include "rom_patch.h"
#include "screen_decoding.h"
#include "text_codec.h"

namespace quelbrook::demo {

namespace {

// MMC1 with its 8 KiB of PRG RAM (where the ending routine runs) and CHR RAM; the
// design note says why.
constexpr std::uint8_t kMapper = 1;

std::vector<std::uint8_t> ReadProgram(const std::string& programPath) {
  std::ifstream file(programPath, std::ios::binary);
  if (!file) throw EditorError("cannot read " + programPath);
  std::vector<std::uint8_t> program((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (program.size() != static_cast<std::size_t>(kPrgBanks * kPrgBankSize))
    throw EditorError(programPath + " is not a program of " + std::to_string(kPrgBanks) + " banks");
  return program;
}

std::vector<std::uint8_t> Image(const std::vector<std::uint8_t>& program) {
  std::vector<std::uint8_t> image(static_cast<std::size_t>(kHeaderSize), 0);
  image.insert(image.end(), program.begin(), program.end());
  image[0] = 'N';
  image[1] = 'E';
  image[2] = 'S';
  image[3] = 0x1A;
  image[4] = kPrgBanks;
  image[5] = 0;  // no CHR ROM: the cartridge uses CHR RAM
  image[6] = static_cast<std::uint8_t>((kMapper & 0x0F) << 4);
  image[7] = static_cast<std::uint8_t>(kMapper & 0xF0);
  return image;
}

std::vector<std::uint8_t> Encoded(const std::u16string& text, std::size_t length) {
  auto bytes = EncodeText(text, length);
  if (!bytes) throw EditorError("demo text outside the game's alphabet");
  return *bytes;
}

std::vector<BytePatch> WorldPatches() {
  std::vector<BytePatch> patches;
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    const RecordBytes record = EncodeScreenRecord(DesignScreen(screen));
    patches.push_back({ScreenRecordOffset(screen), {record.begin(), record.end()}});
  }
  patches.push_back({kEndingTextOffset, Encoded(EndingText(), kEndingTextLength)});
  patches.push_back({kStartScreenOffset, {EncodeStartScreenByte(kStartScreen)}});
  for (BytePatch& patch : PlanEndScreenSave(kEndScreen, 0)) patches.push_back(std::move(patch));
  return patches;
}

}  // namespace

void WriteDemoRom(const std::string& programPath, const std::string& path) {
  const std::vector<std::uint8_t> image = Image(ReadProgram(programPath));
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (!file) throw EditorError("cannot write " + path);
  }
  RomImage rom(path);
  rom.Open();
  WritePatches(rom, WorldPatches());
  rom.Close();
}

}  // namespace quelbrook::demo
