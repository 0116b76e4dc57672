#include "demo_world.h"

#include <stdexcept>

#include "screen_tiles.h"
#include "world_plan.h"

namespace quelbrook::demo {

namespace {

struct Palettes {
  std::uint8_t first;
  std::uint8_t second;
};

// The editor's named presets: Castle, Forest 1 and 2, Cave.
constexpr Palettes kCastlePalettes{18, 158};
constexpr Palettes kForestPalettes[] = {{40, 158}, {84, 158}};
constexpr Palettes kCavePalettes{252, 157};

constexpr int kItemRow = 9;  // half-tile row just above the floor

constexpr std::uint8_t kCastleEnemies[] = {0x2, 0x5, 0x3, 0x9, 0xD, 0x7};
constexpr std::uint8_t kForestEnemies[] = {0x0, 0x1, 0x4, 0x6, 0xA, 0xB, 0xE};
constexpr std::uint8_t kCaveEnemies[] = {0x0, 0x8, 0xC, 0x1,
                                         0x4, 0xB, 0x7};  // the dragon keeps to its throne

const char* const kCastleMessages[] = {"CASTLE QUELBROOK", "THE KING'S HALL", "MIND THE GUARDS!",
                                       "TORCHLIT HALL",    "THE OLD ARMOURY", "WHO GOES THERE?"};
const char* const kForestMessages[] = {"WHISPERING WOODS", "OLD OAK PATH",     "BEWARE: SPIDERS",
                                       "MOSSY CLEARING",   "FOLLOW THE TRAIL", "DEEP GREEN SHADE"};
const char* const kCaveMessages[] = {"DEEP CAVERNS",   "CRYSTAL GROTTO", "DRIP, DRIP...",
                                     "MIND THE DARK!", "BATS ABOVE",     "THE LOW TUNNELS"};

std::u16string Text(const char* ascii) {
  std::u16string text;
  for (const char* p = ascii; *p != '\0'; ++p) text.push_back(static_cast<char16_t>(*p));
  if (text.size() > static_cast<std::size_t>(kMessageLength))
    throw std::logic_error(std::string("message too long: ") + ascii);
  text.resize(kMessageLength, u' ');
  return text;
}

std::u16string MessageOf(int screen, Region region) {
  if (const DesignedScreen* designed = DesignedScreenOf(screen)) return Text(designed->message);
  const int pick = screen % 6;
  switch (region) {
    case Region::kCastle:
      return Text(kCastleMessages[pick]);
    case Region::kForest:
      return Text(kForestMessages[pick]);
    case Region::kCaves:
      break;
  }
  return Text(kCaveMessages[pick]);
}

Palettes PalettesOf(int screen, Region region) {
  switch (region) {
    case Region::kCastle:
      return kCastlePalettes;
    case Region::kForest:
      return kForestPalettes[InSecondForest(screen) ? 1 : 0];
    case Region::kCaves:
      break;
  }
  return kCavePalettes;
}

template <std::size_t N>
std::uint8_t PickEnemy(const std::uint8_t (&pool)[N], int screen, int slot) {
  return pool[static_cast<std::size_t>(screen * 3 + slot * 5) % N];
}

void AddEnemies(ScreenData& data, int screen, Region region) {
  // Two walk the floor, two fly higher up; columns spread over the screen.
  const int rows[kEnemyCount] = {9, 9, 4, 6};
  const int columns[kEnemyCount] = {3, 12, 6 + screen % 3, 10 - screen % 4};
  for (int slot = 0; slot < kEnemyCount; ++slot) {
    std::uint8_t kind = region == Region::kCastle   ? PickEnemy(kCastleEnemies, screen, slot)
                        : region == Region::kForest ? PickEnemy(kForestEnemies, screen, slot)
                                                    : PickEnemy(kCaveEnemies, screen, slot);
    if (const DesignedScreen* designed = DesignedScreenOf(screen)) kind = designed->enemies[slot];
    data.enemyKinds[slot] = kind;
    data.enemyDestinations[slot] = static_cast<std::uint8_t>(rows[slot] * 16 + columns[slot]);
  }
}

}  // namespace

Region RegionOf(int screen) {
  const int row = (screen - 1) / kWorldColumns;
  if (row < 2) return Region::kCastle;
  if (row < 5) return Region::kForest;
  return Region::kCaves;
}

bool InSecondForest(int screen) {
  return RegionOf(screen) == Region::kForest && (screen - 1) / kWorldColumns % 2 == 1;
}

ScreenData DesignScreen(int screen) {
  const Region region = RegionOf(screen);
  ScreenData data;
  data.tiles = LayOutTiles(screen);
  data.message = MessageOf(screen, region);
  if (const DesignedScreen* designed = DesignedScreenOf(screen); designed && designed->item != 0) {
    data.itemCode = designed->item;
    data.itemDestination = static_cast<std::uint8_t>(kItemRow * 16 + 10);
  }
  AddEnemies(data, screen, region);
  const Palettes palettes = PalettesOf(screen, region);
  data.palette1 = palettes.first;
  data.palette2 = palettes.second;
  return data;
}

std::u16string EndingText() {
  // The game shows 32 characters a line.
  const char* const lines =
      "THE DRAGON SLEEPS AND THE CASTLE"
      "IS FREE. QUELBROOK SINGS AGAIN! "
      "THANK YOU FOR PLAYING, HERO.    "
      "   - THE END -   ";
  std::u16string text;
  for (const char* p = lines; *p != '\0'; ++p) text.push_back(static_cast<char16_t>(*p));
  if (text.size() > static_cast<std::size_t>(kEndingTextLength))
    throw std::logic_error("ending text too long");
  text.resize(kEndingTextLength, u' ');
  return text;
}

}  // namespace quelbrook::demo
