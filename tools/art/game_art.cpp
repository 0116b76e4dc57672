#include "game_art.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "enemy_art.h"
#include "game_looks.h"
#include "hero_art.h"
#include "item_art.h"
#include "nes_colours.h"
#include "pixel_font.h"
#include "text_codec.h"
#include "tile_set.h"

namespace quelbrook::art {

namespace {

constexpr int kTilePixels = 32;
constexpr int kQuarterPixels = 16;
constexpr int kCellPixels = 8;
constexpr std::uint8_t kFirstFontCode = 0x30;
constexpr std::uint8_t kLastFontCode = 0x5E;
constexpr std::size_t kReservedForDistinction = 8;
constexpr std::uint32_t kDemoWeight = 16;  // one use in the demo world outweighs 16 unused copies
constexpr std::uint8_t kHeroFirstTile = 0x00;
constexpr std::uint8_t kItemFirstTile = 0x10;
constexpr std::uint8_t kEnemyFirstTile = 0x50;

std::uint32_t ColourDistance(Rgb a, Rgb b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return static_cast<std::uint32_t>(3 * dr * dr + 4 * dg * dg + 2 * db * db);
}

// The colour number of `palette` (from `first` on) nearest to `colour`, and how far.
std::pair<std::uint8_t, std::uint32_t> NearestColour(Rgb colour, const NesPalette& palette, int first) {
  std::uint8_t best = static_cast<std::uint8_t>(first);
  std::uint32_t bestDistance = UINT32_MAX;
  for (int k = first; k < 4; ++k) {
    const std::uint32_t distance = ColourDistance(colour, NesColour(palette[static_cast<std::size_t>(k)]));
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<std::uint8_t>(k);
    }
  }
  return {best, bestDistance};
}

std::uint32_t QuarterError(const Canvas& tile, int left, int top, const NesPalette& palette) {
  std::uint32_t error = 0;
  for (int y = top; y < top + kQuarterPixels; ++y)
    for (int x = left; x < left + kQuarterPixels; ++x)
      error += NearestColour(tile.At(x, y), palette, 0).second;
  return error;
}

// A tile in the console's terms before the patterns are shared: a palette per
// quarter and 16 patterns, rows first.
struct TileDraft {
  std::uint8_t attributes = 0;
  std::array<Pattern, kCellsPerTile> cells{};
};

TileDraft DraftTile(int code) {
  const Canvas picture = DrawTile(code);
  const TileHome home = HomeOfTile(code);
  const Look& look = LookById(home.look);
  TileDraft draft;
  for (int quarter = 0; quarter < 4; ++quarter) {
    const int left = quarter % 2 * kQuarterPixels, top = quarter / 2 * kQuarterPixels;
    int chosen = -1;
    std::uint32_t bestError = UINT32_MAX;
    for (int p = 0; p < 4; ++p) {
      if (!(home.palettes & (1 << p))) continue;
      const std::uint32_t error =
          QuarterError(picture, left, top, look.palettes[static_cast<std::size_t>(p)]);
      if (error < bestError) {
        bestError = error;
        chosen = p;
      }
    }
    draft.attributes |= static_cast<std::uint8_t>(chosen << (2 * quarter));
    const NesPalette& palette = look.palettes[static_cast<std::size_t>(chosen)];
    for (int y = top; y < top + kQuarterPixels; ++y)
      for (int x = left; x < left + kQuarterPixels; ++x) {
        Pattern& cell = draft.cells[static_cast<std::size_t>(y / kCellPixels * 4 + x / kCellPixels)];
        cell[static_cast<std::size_t>(y % kCellPixels * kCellPixels + x % kCellPixels)] =
            NearestColour(picture.At(x, y), palette, 0).first;
      }
  }
  return draft;
}

// A letter in colour 3 with a shadow in colour 1, one pixel down and right.
Pattern FontPattern(std::uint8_t code) {
  Canvas glyph(kCellPixels, kCellPixels);
  const Rgb shadow{1, 1, 1}, ink{3, 3, 3};
  const std::string text(1, static_cast<char>(DecodeTextByte(code)));
  DrawText(glyph, 2, 1, text, 1, shadow);
  DrawText(glyph, 1, 0, text, 1, ink);
  Pattern pattern{};
  for (int y = 0; y < kCellPixels; ++y)
    for (int x = 0; x < kCellPixels; ++x)
      pattern[static_cast<std::size_t>(y * kCellPixels + x)] = glyph.At(x, y).r;
  return pattern;
}

bool IsFontCode(int tile) { return tile >= kFirstFontCode && tile <= kLastFontCode; }

bool SamePicture(const Canvas& a, const Canvas& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

// The background tiles not taken by the font; tile 0 is the font's space and the blank
// pattern at once.
std::vector<std::uint8_t> ArtTileNumbers() {
  std::vector<std::uint8_t> numbers;
  for (int tile = 1; tile < 256; ++tile)
    if (!IsFontCode(tile)) numbers.push_back(static_cast<std::uint8_t>(tile));
  return numbers;
}

class BackgroundBuilder {
 public:
  BackgroundBuilder(GameArt& art, const std::array<int, kCodeCount>& tileUse) : art_(art) {
    for (int code = 0; code < kTileCount; ++code) {
      const TileDraft draft = DraftTile(code);
      art_.tileAttributes[static_cast<std::size_t>(code)] = draft.attributes;
      const std::uint32_t weight =
          1 + kDemoWeight * static_cast<std::uint32_t>(tileUse[static_cast<std::size_t>(code)]);
      for (const Pattern& cell : draft.cells) inputs_.push_back({cell, weight});
    }
  }

  void Build() {
    const ReducedPatterns reduced = ReducePatterns(inputs_, free_.size() + 1 - kReservedForDistinction);
    std::vector<std::uint8_t> tileOfKept(reduced.kept.size());
    for (std::size_t k = 0; k < reduced.kept.size(); ++k)
      tileOfKept[k] = reduced.kept[k] == Pattern{} ? 0 : Place(reduced.kept[k]);
    for (std::size_t i = 0; i < inputs_.size(); ++i)
      art_.tileCells[i / kCellsPerTile][i % kCellsPerTile] = tileOfKept[reduced.chosen[i]];
    while (const int code = FirstRepeatedPicture()) Distinguish(code);
  }

 private:
  std::uint8_t Place(const Pattern& pattern) {
    if (nextFree_ == free_.size()) throw std::logic_error("background tiles over budget");
    const std::uint8_t tile = free_[nextFree_++];
    art_.backgroundTiles[tile] = pattern;
    return tile;
  }

  // The first code whose picture an earlier code already shows, or 0.
  int FirstRepeatedPicture() const {
    std::vector<Canvas> seen;
    for (int code = 0; code < kTileCount; ++code) {
      const Canvas picture = GameTilePicture(art_, code);
      for (const Canvas& earlier : seen)
        if (SamePicture(earlier, picture)) return code;
      seen.push_back(picture);
    }
    return 0;
  }

  // Gives the code back its own pattern where merging changed it most.
  void Distinguish(int code) {
    auto& cells = art_.tileCells[static_cast<std::size_t>(code)];
    std::size_t worst = 0;
    std::uint32_t worstDistance = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const std::uint32_t distance =
          PatternDistance(inputs_[static_cast<std::size_t>(code) * kCellsPerTile + i].pattern,
                          art_.backgroundTiles[cells[i]]);
      if (distance > worstDistance) {
        worstDistance = distance;
        worst = i;
      }
    }
    if (worstDistance == 0) throw std::logic_error("tile " + std::to_string(code) + " is drawn like another");
    cells[worst] = Place(inputs_[static_cast<std::size_t>(code) * kCellsPerTile + worst].pattern);
  }

  GameArt& art_;
  std::vector<WeightedPattern> inputs_;
  const std::vector<std::uint8_t> free_ = ArtTileNumbers();
  std::size_t nextFree_ = 0;
};

void BuildBackground(GameArt& art, const std::array<int, kCodeCount>& tileUse) {
  BackgroundBuilder(art, tileUse).Build();
  for (int code = kFirstFontCode; code <= kLastFontCode; ++code)
    art.backgroundTiles[static_cast<std::size_t>(code)] = FontPattern(static_cast<std::uint8_t>(code));
}

// Four sprite tiles (top left, top right, bottom left, bottom right) from a 16 x 16
// design of colour numbers.
void PutSprite(GameArt& art, std::uint8_t firstTile, const std::array<std::uint8_t, 256>& design) {
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      Pattern& tile = art.spriteTiles[static_cast<std::size_t>(firstTile + (y / 8) * 2 + x / 8)];
      tile[static_cast<std::size_t>(y % 8 * 8 + x % 8)] = design[static_cast<std::size_t>(y * 16 + x)];
    }
}

// Each 2 x 2 block of the 32 x 32 drawing becomes one pixel of the sprite, in the
// sprite palette that fits the drawing best; its ground stays opaque, as the editor
// shows it.
void PutObject(GameArt& art, int slot, std::uint8_t firstTile, const Canvas& drawing) {
  std::array<Rgb, 256> pixels{};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          const Rgb c = drawing.At(2 * x + dx, 2 * y + dy);
          r += c.r;
          g += c.g;
          b += c.b;
        }
      pixels[static_cast<std::size_t>(y * 16 + x)] = {static_cast<std::uint8_t>(r / 4),
                                                      static_cast<std::uint8_t>(g / 4),
                                                      static_cast<std::uint8_t>(b / 4)};
    }
  const auto& palettes = SpritePalettes();
  std::size_t chosen = 1;
  std::uint32_t bestError = UINT32_MAX;
  for (std::size_t p = 1; p < palettes.size(); ++p) {
    std::uint32_t error = 0;
    for (const Rgb& pixel : pixels) error += NearestColour(pixel, palettes[p], 1).second;
    if (error < bestError) {
      bestError = error;
      chosen = p;
    }
  }
  std::array<std::uint8_t, 256> design{};
  for (std::size_t i = 0; i < pixels.size(); ++i)
    design[i] = NearestColour(pixels[i], palettes[chosen], 1).first;
  PutSprite(art, firstTile, design);
  art.objectTiles[static_cast<std::size_t>(slot)] = firstTile;
  art.objectPalettes[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(chosen);
}

void BuildSprites(GameArt& art) {
  art.objectTiles.fill(kNoObjectTile);
  PutSprite(art, kHeroFirstTile, HeroDesign());
  for (int item = 0; item < kItemPictureCount; ++item)
    PutObject(art, item, static_cast<std::uint8_t>(kItemFirstTile + 4 * item), DrawItem(item));
  for (int enemy = 0; enemy < kEnemyPictureCount; ++enemy)
    PutObject(art, kFirstEnemySlot + enemy, static_cast<std::uint8_t>(kEnemyFirstTile + 4 * enemy),
              DrawEnemy(enemy));
}

}  // namespace

GameArt BuildGameArt(const std::array<int, kCodeCount>& tileUse) {
  GameArt art;
  BuildBackground(art, tileUse);
  BuildSprites(art);
  return art;
}

Canvas GameTilePicture(const GameArt& art, int code) {
  const Look& look = LookById(HomeOfTile(code).look);
  const std::uint8_t attributes = art.tileAttributes.at(static_cast<std::size_t>(code));
  Canvas picture(kTilePixels, kTilePixels);
  for (int y = 0; y < kTilePixels; ++y)
    for (int x = 0; x < kTilePixels; ++x) {
      const int quarter = y / kQuarterPixels * 2 + x / kQuarterPixels;
      const NesPalette& palette = look.palettes[(attributes >> (2 * quarter)) & 3];
      const Pattern& pattern =
          art.backgroundTiles[art.tileCells[static_cast<std::size_t>(code)]
                                           [static_cast<std::size_t>(y / 8 * 4 + x / 8)]];
      picture.Set(x, y, NesColour(palette[pattern[static_cast<std::size_t>(y % 8 * 8 + x % 8)]]));
    }
  return picture;
}

Canvas GameObjectPicture(const GameArt& art, int slot) {
  const std::uint8_t first = art.objectTiles.at(static_cast<std::size_t>(slot));
  if (first == kNoObjectTile) throw std::out_of_range("no object in slot " + std::to_string(slot));
  const NesPalette& palette = SpritePalettes()[art.objectPalettes[static_cast<std::size_t>(slot)]];
  Canvas picture(kTilePixels, kTilePixels);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const Pattern& tile = art.spriteTiles[static_cast<std::size_t>(first + (y / 8) * 2 + x / 8)];
      picture.FillRect(2 * x, 2 * y, 2, 2,
                       NesColour(palette[tile[static_cast<std::size_t>(y % 8 * 8 + x % 8)]]));
    }
  return picture;
}

}  // namespace quelbrook::art
