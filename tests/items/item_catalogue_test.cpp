#include "item_catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace quelbrook {
namespace {

const std::vector<std::pair<std::string, std::string>> kRows{
    {"0", "Item: None"},
    {"1", "Item: Life sphere"},
    {"2", "Item: Magic missile +1"},
    {"3", "Item: Xecrom's thunder"},
    {"4", "Item: Prism cube"},
    {"5", "Item: Spectral bridge"},
    {"6", "Item: Levitation Y +1"},
    {"7", "Item: Levitation X +1"},
    {"8", "Item: Tri-caster"},
    {"9", "Item: Levitation speed"},
    {"A", "Item: Teleportation"},
    {"B", "Boss trap!"},
};

TEST(ItemCatalogue, EveryRowHasItsCaptionByCodeTextAndByIndex) {
  ASSERT_EQ(kRows.size(), static_cast<std::size_t>(kItemKindCount));
  for (int i = 0; i < kItemKindCount; ++i) {
    const auto& [code, caption] = kRows[static_cast<std::size_t>(i)];
    EXPECT_EQ(ItemCaption(code), caption) << code;
    EXPECT_EQ(ItemCaptionOfIndex(i), caption) << i;
  }
  // The boss trap is the one row without the "Item: " prefix.
  EXPECT_EQ(ItemCaptionOfIndex(kBossTrapCode), "Boss trap!");
}

TEST(ItemCatalogue, OnlyTheExactCodeTextHasACaption) {
  // The caller keeps the old caption for these, so any match here would be visible.
  for (const char* text : {"0C", "C", "F", "15", "FF", "b", "a", "00", "0B", "", " 1", "1 ", "-1", "11"})
    EXPECT_EQ(ItemCaption(text), std::nullopt) << '"' << text << '"';
}

TEST(ItemCatalogue, PicturePathsUseTheCodeTextAsGiven) {
  EXPECT_EQ(TileBitmapPath("AF"), "graph/AF.bmp");
  EXPECT_EQ(TileBitmapPath("0"), "graph/0.bmp");
  EXPECT_EQ(ItemBitmapPath("B"), "items/B.bmp");
  EXPECT_EQ(ItemBitmapPath("1F"), "items/1F.bmp");
  EXPECT_EQ(EnemyBitmapPath("1A"), "enemyes/1A.bmp");
  EXPECT_EQ(EnemyBitmapPath("F"), "enemyes/F.bmp");
}

}  // namespace
}  // namespace quelbrook
