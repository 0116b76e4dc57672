#include "end_screen_patch.h"

#include <cstring>

#include "byte_map.h"
#include "editor_error.h"
#include "hex_text.h"

namespace quelbrook {

const char* const kEndCodeBlockText =
    "E8861FE046F00160A200A90F9D0501E8E002D0F8A200AD0220A9218D0620E69EA59E8D0620BDDCF48D0720E8E074D0E6A503C9"
    "02F003D0F8EA4C007FAA861F10C2EA60CA861F10BBEA60";

namespace {

BytePatch CallAt(int offset, int target) {
  return {offset,
          {kJsrOpcode, static_cast<std::uint8_t>(target & 0xFF),
           static_cast<std::uint8_t>((target >> 8) & 0xFF)}};
}

}  // namespace

std::vector<std::uint8_t> BuildEndCodeBlock(int endScreen) {
  std::vector<std::uint8_t> block;
  const std::size_t digits = std::strlen(kEndCodeBlockText);
  for (std::size_t i = 0; i + 1 < digits; i += 2)
    block.push_back(static_cast<std::uint8_t>(HexTextToInt(std::string(kEndCodeBlockText + i, 2))));
  block[kEndScreenIndexInBlock] = static_cast<std::uint8_t>(endScreen - 1);
  return block;
}

bool IsSavableEndScreen(int endScreen) { return endScreen >= 1 && endScreen <= kLastSafeEndScreen; }

std::string UnsavableEndScreenMessage(int endScreen) {
  return "End screen " + std::to_string(endScreen) + " cannot be saved: only end screens 1 to " +
         std::to_string(kLastSafeEndScreen) +
         " can, because the code of a higher end screen would overwrite the first screens";
}

int ClearableBlockOffset(int previousBlockOffset) {
  for (int screen = 1; screen <= kLastSafeEndScreen; ++screen)
    if (EndCodeBlockOffset(screen) == previousBlockOffset) return previousBlockOffset;
  return 0;
}

std::vector<BytePatch> PlanEndScreenSave(int endScreen, int previousBlockOffset) {
  if (!IsSavableEndScreen(endScreen)) throw EditorError(UnsavableEndScreenMessage(endScreen));
  std::vector<BytePatch> patches;
  if (int old = ClearableBlockOffset(previousBlockOffset); old != 0)
    patches.push_back({old, std::vector<std::uint8_t>(kEndCodeBlockLength, 0x00)});
  patches.push_back({EndCodeBlockOffset(endScreen), BuildEndCodeBlock(endScreen)});
  const int address = EndCodeBlockAddress(endScreen);
  patches.push_back(CallAt(kEndCallSiteB1, address + kEndEntryB));
  patches.push_back(CallAt(kEndCallSiteB2, address + kEndEntryB));
  patches.push_back(CallAt(kEndCallSiteC, address + kEndEntryC));
  patches.push_back(CallAt(kEndScreenHookOffset, address));
  return patches;
}

}  // namespace quelbrook
