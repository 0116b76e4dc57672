// The editor's loader only promises plain bitmaps: check the stored layout itself,
// not just that some decoder copes with the files.

#include <gtest/gtest.h>

#include <cstdint>

#include "asset_paths.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

void ExpectPlainBitmap(const std::filesystem::path& path, int width, int height) {
  SCOPED_TRACE(path.string());
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Little(bytes, 2, 4), bytes.size());
  EXPECT_EQ(Little(bytes, 10, 4), 54u);
  EXPECT_EQ(Little(bytes, 14, 4), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(Little(bytes, 18, 4), static_cast<std::uint32_t>(width));
  EXPECT_EQ(Little(bytes, 22, 4), static_cast<std::uint32_t>(height));  // positive: bottom-up
  EXPECT_EQ(Little(bytes, 28, 2), 24u);
  EXPECT_EQ(Little(bytes, 30, 4), 0u);  // uncompressed
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  EXPECT_EQ(bytes.size(), 54 + rowSize * static_cast<std::size_t>(height));
}

TEST(BmpHeader, EveryFolderPictureIsAnUncompressedBottomUp24BitBitmap) {
  for (const ExpectedPicture& picture : ExpectedFolderPictures())
    ExpectPlainBitmap(AppDir() / picture.relativePath, picture.width, picture.height);
}

TEST(BmpHeader, TitlePictureHasAPaddedRowWidth) {
  // 529 pixels make 1587 bytes a row: the only picture whose rows need padding.
  ExpectPlainBitmap(TitlePicture(), 529, 148);
}

}  // namespace
}  // namespace quelbrook::testing
