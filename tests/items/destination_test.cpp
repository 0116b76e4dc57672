#include "destination.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace quelbrook {
namespace {

TEST(CellPixel, FollowsThirtyTwoPixelTilesWithAOnePixelGap) {
  constexpr std::array<int, 16> kExpected{8,   24,  41,  57,  74,  90,  107, 123,
                                          140, 156, 173, 189, 206, 222, 239, 255};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(CellPixel(k), kExpected[static_cast<std::size_t>(k)]) << k;
}

TEST(MarkerPosition, PlacesDestinationsOnTheHalfTileGrid) {
  EXPECT_EQ(MarkerPositionOf(0), kMarkerHome);
  EXPECT_EQ(MarkerPositionOf(0), (MarkerPosition{8, 8}));
  EXPECT_EQ(MarkerPositionOf(17), (MarkerPosition{24, 24}));
  EXPECT_EQ(MarkerPositionOf(15), (MarkerPosition{255, 8}));
  EXPECT_EQ(MarkerPositionOf(16), (MarkerPosition{8, 24}));
  EXPECT_EQ(MarkerPositionOf(176), (MarkerPosition{8, 189}));
  EXPECT_EQ(MarkerPositionOf(191), (MarkerPosition{255, 189}));
}

TEST(MarkerPosition, EveryDestinationOnTheGridHasAPlaceOfItsOwn) {
  std::set<std::pair<int, int>> seen;
  for (int d = 0; d <= kLastDestination; ++d) {
    auto position = MarkerPositionOf(d);
    ASSERT_TRUE(position) << d;
    EXPECT_TRUE(seen.insert({position->left, position->top}).second) << d;
  }
}

TEST(MarkerPosition, ValuesOffTheGridHaveNoPlace) {
  // 255 is turned into 0 by the screen load, not here.
  for (int d : {192, 200, 254, 255, 256, -1}) EXPECT_EQ(MarkerPositionOf(d), std::nullopt) << d;
}

}  // namespace
}  // namespace quelbrook
