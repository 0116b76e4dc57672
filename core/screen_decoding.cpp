#include "screen_decoding.h"

#include <vector>

#include "byte_map.h"
#include "text_codec.h"

namespace quelbrook {

namespace {
constexpr int kStartScreenBias = 39;
constexpr int kFirstNoScreenByte = 90;
constexpr int kLastNoScreenByte = 217;
}  // namespace

std::optional<int> DecodeStartScreenByte(std::uint8_t byte) {
  if (byte < kFirstNoScreenByte) return byte + kStartScreenBias;
  if (byte > kLastNoScreenByte) return byte - kLastNoScreenByte;
  return std::nullopt;
}

std::uint8_t EncodeStartScreenByte(int screen) {
  return static_cast<std::uint8_t>((screen - kStartScreenBias + 256) % 256);
}

int EndScreenOfOperand(std::uint16_t operand) {
  // Truncates toward zero, as the game's own arithmetic would be read.
  return (static_cast<int>(operand) - kEndCodeBlockAddressBase) / kScreenStride;
}

bool IsEndScreenOperand(std::uint16_t operand) {
  int screen = EndScreenOfOperand(operand);
  return screen >= 1 && screen <= kScreenCount && EndCodeBlockAddress(screen) == operand;
}

std::optional<int> ReadStartScreen(RomImage& rom) {
  rom.Seek(kStartScreenOffset);
  return DecodeStartScreenByte(rom.ReadByte());
}

std::u16string ReadEndingText(RomImage& rom) {
  rom.Seek(kEndingTextOffset);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kEndingTextLength);
  for (int i = 0; i < kEndingTextLength; ++i) bytes.push_back(rom.ReadByte());
  return DecodeText(bytes);
}

EndScreenHook DecodeEndScreenHook(const std::uint8_t* bytes) {
  EndScreenHook info;
  if (bytes[0] != kJsrOpcode) return info;
  info.hookPresent = true;
  info.operand = static_cast<std::uint16_t>(bytes[1] | (bytes[2] << 8));
  info.endScreen = EndScreenOfOperand(info.operand);
  return info;
}

EndScreenHook ReadEndScreen(RomImage& rom) {
  // The opcode alone is read when it is not a call, so a file ending after it still reads.
  rom.Seek(kEndScreenHookOffset);
  std::uint8_t bytes[kCallLength]{rom.ReadByte()};
  if (bytes[0] == kJsrOpcode)
    for (int i = 1; i < kCallLength; ++i) bytes[i] = rom.ReadByte();
  return DecodeEndScreenHook(bytes);
}

RecordBytes ReadRecordBytes(RomImage& rom, int screen) {
  RecordBytes bytes{};
  rom.Seek(ScreenRecordOffset(screen));
  for (auto& byte : bytes) byte = rom.ReadByte();
  return bytes;
}

ScreenData ReadScreenRecord(RomImage& rom, int screen) {
  return DecodeScreenRecord(ReadRecordBytes(rom, screen));
}

}  // namespace quelbrook
