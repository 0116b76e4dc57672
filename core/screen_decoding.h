#pragma once
// The read side of the byte map: each function takes an open image, seeks once
// and reads its region byte by byte.

#include <cstdint>
#include <optional>
#include <string>

#include "rom_image.h"
#include "screen_data.h"

namespace quelbrook {

// Start screen: (S - 39) mod 256; bytes 90..217 name no screen.
std::optional<int> DecodeStartScreenByte(std::uint8_t byte);
std::uint8_t EncodeStartScreenByte(int screen);  // screen in 1..128

struct EndScreenHook {
  bool hookPresent = false;
  std::uint16_t operand = 0;  // only read when the hook is present
  int endScreen = 0;          // 0 without a hook
};
int EndScreenOfOperand(std::uint16_t operand);
// The operand is exactly the address of the block of an end screen 1..128.
bool IsEndScreenOperand(std::uint16_t operand);
// The hook's kCallLength bytes as they stand at kEndScreenHookOffset.
EndScreenHook DecodeEndScreenHook(const std::uint8_t* bytes);

std::optional<int> ReadStartScreen(RomImage& rom);
std::u16string ReadEndingText(RomImage& rom);
EndScreenHook ReadEndScreen(RomImage& rom);
ScreenData ReadScreenRecord(RomImage& rom, int screen);
RecordBytes ReadRecordBytes(RomImage& rom, int screen);

}  // namespace quelbrook
