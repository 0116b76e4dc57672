#pragma once
// The copy of a ROM that runs one screen, made from the ROM's bytes alone: "Test this screen",
// Play and learning all start the game this way.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "screen_data.h"

namespace quelbrook {

// Records to play instead of the image's (the windows' unsaved edits), by screen number.
using ScreenRecords = std::map<int, RecordBytes>;

// `image` starting on `screen`, with the records of `records` in place of its own. `name` names
// the image in messages. Throws EditorError for a screen that does not exist (1..128) or an
// image that ends before the start-screen byte.
std::vector<std::uint8_t> StartingCopy(std::vector<std::uint8_t> image, const std::string& name, int screen,
                                       const ScreenRecords& records = {});

}  // namespace quelbrook
