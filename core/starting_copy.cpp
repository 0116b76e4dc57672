#include "starting_copy.h"

#include <algorithm>

#include "byte_map.h"
#include "count_text.h"
#include "editor_error.h"
#include "screen_decoding.h"

namespace quelbrook {

namespace {
void RequireScreen(int screen) {
  if (screen < 1 || screen > kScreenCount)
    throw EditorError("Screen " + std::to_string(screen) + " does not exist: screens are 1 to " +
                      std::to_string(kScreenCount));
}
}  // namespace

std::vector<std::uint8_t> StartingCopy(std::vector<std::uint8_t> image, const std::string& name, int screen,
                                       const ScreenRecords& records) {
  RequireScreen(screen);
  for (const auto& entry : records) RequireScreen(entry.first);
  if (image.size() < kSmallestImage)
    throw EditorError("Cannot start on screen " + std::to_string(screen) + ": " + name +
                      " ends before the byte that chooses the start screen (offset " +
                      std::to_string(kStartScreenOffset) + "; the file has " +
                      CountText(image.size(), "byte") + ")");
  image[kStartScreenOffset] = EncodeStartScreenByte(screen);
  for (const auto& [recordScreen, record] : records)
    std::copy(record.begin(), record.end(), image.begin() + ScreenRecordOffset(recordScreen));
  return image;
}

}  // namespace quelbrook
