// The game's tiles and the editor's pictures are one set of data within the console's
// limits.

#include "game_art.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <set>

#include "asset_paths.h"
#include "game_looks.h"
#include "nes_colours.h"
#include "pattern_reduction.h"
#include "rom_builder.h"

namespace quelbrook::testing {
namespace {

using art::Pattern;

Pattern Filled(std::uint8_t colour) {
  Pattern pattern;
  pattern.fill(colour);
  return pattern;
}

TEST(PatternReduction, KeepsEveryPatternWhenTheyFitAndMergesTheLightestOtherwise) {
  Pattern stripe = Filled(1);
  for (int i = 0; i < 8; ++i) stripe[static_cast<std::size_t>(i)] = 3;
  Pattern nearlyStripe = stripe;
  nearlyStripe[63] = 2;
  const std::vector<art::WeightedPattern> inputs = {
      {Filled(0), 1}, {stripe, 10}, {Filled(2), 5}, {nearlyStripe, 1}, {stripe, 10}};

  const art::ReducedPatterns all = art::ReducePatterns(inputs, 4);
  ASSERT_EQ(all.kept.size(), 4u);
  for (std::size_t i = 0; i < inputs.size(); ++i) EXPECT_EQ(all.kept[all.chosen[i]], inputs[i].pattern) << i;

  const art::ReducedPatterns merged = art::ReducePatterns(inputs, 3);
  ASSERT_EQ(merged.kept.size(), 3u);
  EXPECT_EQ(merged.kept[0], Filled(0)) << "the blank pattern stays first and unchanged";
  EXPECT_EQ(merged.chosen[1], merged.chosen[3]) << "the light copy joins the heavy stripe";
  EXPECT_EQ(merged.kept[merged.chosen[1]], stripe) << "the heavier pattern wins the rounding";
  EXPECT_NE(merged.chosen[2], merged.chosen[1]);
  EXPECT_THROW(art::ReducePatterns(inputs, 0), std::invalid_argument);
}

QImage LoadAsRgb32(const std::string& relativePath) {
  return QImage(QString::fromStdString((AppDir() / relativePath).string()))
      .convertToFormat(QImage::Format_RGB32);
}

std::set<QRgb> NesColours() {
  std::set<QRgb> colours;
  for (int n = 0; n < kNesColourCount; ++n) {
    const Rgb c = NesColour(n);
    colours.insert(qRgb(c.r, c.g, c.b));
  }
  return colours;
}

// The console colours a tile's 16 x 16 quarter from one palette: the shared backdrop and
// three colours.
TEST(GamePictures, TilesUseNesColoursAtMostFourPerQuarterWithOneBackdrop) {
  const std::set<QRgb> nes = NesColours();
  const Rgb backdrop = NesColour(art::LookById(art::kCastleLook).palettes[0][0]);
  for (const std::string& name : NumberedPictures("graph", 176)) {
    const QImage tile = LoadAsRgb32(name);
    for (int quarter = 0; quarter < 4; ++quarter) {
      std::set<QRgb> colours;
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) colours.insert(tile.pixel(quarter % 2 * 16 + x, quarter / 2 * 16 + y));
      colours.erase(qRgb(backdrop.r, backdrop.g, backdrop.b));
      EXPECT_LE(colours.size(), 3u) << name << " quarter " << quarter;
      for (QRgb colour : colours) EXPECT_TRUE(nes.count(colour)) << name;
    }
  }
}

// A sprite has three colours; the pictures are the 16 x 16 sprites doubled, so the
// editor's half-size markers show the sprite's own pixels.
TEST(GamePictures, ObjectsAreDoubledSpritesOfThreeNesColours) {
  const std::set<QRgb> nes = NesColours();
  std::vector<std::string> names = NumberedPictures("items", 12);
  for (const std::string& enemy : NumberedPictures("enemyes", 16)) names.push_back(enemy);
  for (const std::string& name : names) {
    const QImage picture = LoadAsRgb32(name);
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        colours.insert(picture.pixel(x, y));
        ASSERT_EQ(picture.pixel(x, y), picture.pixel(x & ~1, y & ~1)) << name << " at " << x << "," << y;
      }
    EXPECT_LE(colours.size(), 3u) << name;
    for (QRgb colour : colours) EXPECT_TRUE(nes.count(colour)) << name;
  }
}

// The message's characters are tiles at their own codes, the space is tile 0.
TEST(GamePictures, FontTilesSitAtTheTextCodes) {
  const std::vector<std::uint8_t> chr = ReadFile(GameDataDir() / "background.chr");
  ASSERT_EQ(chr.size(), 4096u);
  const auto tile = [&](int code) {
    return std::vector<std::uint8_t>(chr.begin() + code * 16, chr.begin() + code * 16 + 16);
  };
  EXPECT_EQ(tile(0), std::vector<std::uint8_t>(16, 0));
  std::set<std::vector<std::uint8_t>> glyphs;
  for (int code = 0x30; code <= 0x5E; ++code) {
    EXPECT_NE(tile(code), std::vector<std::uint8_t>(16, 0)) << code;
    glyphs.insert(tile(code));
  }
  EXPECT_EQ(glyphs.size(), 0x5Fu - 0x30u) << "every character has a glyph of its own";
}

}  // namespace
}  // namespace quelbrook::testing
