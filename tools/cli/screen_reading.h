#pragma once
// One screen's record read from the ROM, opened and closed as the window does.

#include <string>

#include "screen_data.h"

namespace quelbrook::cli {

ScreenData ReadScreen(const std::string& romPath, int screen);

}  // namespace quelbrook::cli
