#pragma once
// The copy of a ROM that runs one screen, made from the ROM's bytes alone: "Test this screen",
// Play and learning all start the game this way.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "screen_data.h"

namespace quelbrook {

// `image` starting on `screen` (1..128), with that screen's record replaced by `record` when
// given (the window's unsaved edits). `name` names the image in messages. Throws EditorError
// for a screen that does not exist or an image that ends before the start-screen byte.
std::vector<std::uint8_t> StartingCopy(std::vector<std::uint8_t> image, const std::string& name, int screen,
                                       const std::optional<RecordBytes>& record = std::nullopt);

}  // namespace quelbrook
