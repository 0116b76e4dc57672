#pragma once
// The end screen is not a byte of its own: it is a 6502 routine placed in the slot of
// the chosen screen plus four subroutine calls into it.

#include <string>
#include <vector>

#include "rom_patch.h"

namespace quelbrook {

// The routine as two hexadecimal digits a byte; byte 4 is replaced by the screen's index.
extern const char* const kEndCodeBlockText;

std::vector<std::uint8_t> BuildEndCodeBlock(int endScreen);

// End screens whose block stays clear of the screen records.
bool IsSavableEndScreen(int endScreen);
std::string UnsavableEndScreenMessage(int endScreen);

// The offset of an earlier block that may be cleared: only a real block of a savable
// end screen, never an offset made from an unrelated operand. 0 when there is none.
int ClearableBlockOffset(int previousBlockOffset);

// Everything the end-screen save writes, in order: the old block cleared, the new
// block, the three call sites and the hook. Refuses unsavable end screens.
std::vector<BytePatch> PlanEndScreenSave(int endScreen, int previousBlockOffset);

}  // namespace quelbrook
