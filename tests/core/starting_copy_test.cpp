#include "starting_copy.h"

#include <gtest/gtest.h>

#include "byte_map.h"
#include "editor_error.h"
#include "screen_decoding.h"

namespace quelbrook {
namespace {

std::vector<std::uint8_t> Image(std::size_t size) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
  return image;
}

std::string StartFailureOf(const std::vector<std::uint8_t>& image, int screen) {
  try {
    StartingCopy(image, "rom.nes", screen);
  } catch (const EditorError& error) {
    return error.what();
  }
  return "no failure";
}

TEST(StartingCopy, ChangesTheStartByteAndTheGivenRecordsOnly) {
  const auto image = Image(kSmallestImage + 100);
  RecordBytes record;
  record.fill(0xEE);
  const auto copy = StartingCopy(image, "rom.nes", 40, {{40, record}, {41, record}});
  ASSERT_EQ(copy.size(), image.size());
  const std::size_t recordStart = ScreenRecordOffset(40);
  for (std::size_t i = 0; i < copy.size(); ++i) {
    if (i == kStartScreenOffset)
      EXPECT_EQ(DecodeStartScreenByte(copy[i]), 40);
    else if (i >= recordStart && i < recordStart + 2 * kScreenRecordLength)
      EXPECT_EQ(copy[i], 0xEE) << i;
    else
      ASSERT_EQ(copy[i], image[i]) << i;
  }
  const auto bare = StartingCopy(image, "rom.nes", 128);
  EXPECT_TRUE(std::equal(bare.begin() + static_cast<long>(recordStart),
                         bare.begin() + static_cast<long>(recordStart) + kScreenRecordLength,
                         image.begin() + static_cast<long>(recordStart)));
}

TEST(StartingCopy, RefusesScreensThatDoNotExistAndImagesTooShort) {
  const auto image = Image(kSmallestImage);
  EXPECT_EQ(StartFailureOf(image, 1), "no failure");
  EXPECT_EQ(StartFailureOf(image, 0), "Screen 0 does not exist: screens are 1 to 128");
  EXPECT_EQ(StartFailureOf(image, 129), "Screen 129 does not exist: screens are 1 to 128");
  EXPECT_EQ(
      StartFailureOf(Image(kSmallestImage - 1), 77),
      "Cannot start on screen 77: rom.nes ends before the byte that chooses the start screen (offset 33236; "
      "the file has 33236 bytes)");
  EXPECT_NE(StartFailureOf({}, 1), "no failure");
  EXPECT_THROW(StartingCopy(image, "rom.nes", 1, {{129, RecordBytes{}}}), EditorError);
}

}  // namespace
}  // namespace quelbrook
