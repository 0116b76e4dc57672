#pragma once
// One screen's record read from the ROM, opened and closed as the window does.

#include <string>

#include "screen_data.h"

namespace quelbrook::cli {

// Refuses, as info, show and the window do, a file too short to be the game's image:
// one that ends before the start-screen byte, the last byte of the byte map, fails with
// "Read beyond end of file". Opens and closes the file; every ROM command calls it first.
void RequireGameImage(const std::string& romPath);

// Checks the whole image (RequireGameImage), then reads screen N's record.
ScreenData ReadScreen(const std::string& romPath, int screen);

}  // namespace quelbrook::cli
