#pragma once
// An image seen as the facts the editor writes (the start and end screens, the ending text,
// each field of each screen record) and the bytes it never writes, so that images are
// compared and merged fact by fact, named and valued in words, rather than byte by byte.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "byte_map.h"
#include "screen_decoding.h"

namespace quelbrook {

using Bytes = std::vector<std::uint8_t>;

enum class FactKind {
  kStartScreen,
  kEndScreen,
  kEndingText,
  kTile,
  kItem,
  kItemDestination,
  kMessage,
  kEnemyKind,
  kEnemyDestination,
  kPalette,
  kOutside,  // every byte outside the editor's regions, as one fact
};

struct ByteRun {
  std::size_t offset = 0;
  std::size_t length = 0;
};

struct Fact {
  FactKind kind = FactKind::kStartScreen;
  int screen = 0;  // 1..128 for the fields of a screen record
  int index = 0;   // the tile cell 0..47, the enemy 0..3 or the palette 0..1
  std::vector<ByteRun> runs;
};

// The start screen, the end screen (its hook first, then the call sites and every block the
// end-screen save may write) and the ending text.
const std::vector<Fact>& GameWideFacts();
// The fields of screen N's record, in record order.
std::vector<Fact> ScreenFacts(int screen);
ByteRun RecordRun(int screen);
// Everything else in an image of `imageSize` bytes (at least kSmallestImage).
Fact OutsideFact(std::size_t imageSize);

// The fact's bytes in the image, run after run.
Bytes FactBytes(const Bytes& image, const std::vector<ByteRun>& runs);
bool SameBytes(const Bytes& a, const Bytes& b, const ByteRun& run);
bool SameBytes(const Bytes& a, const Bytes& b, const std::vector<ByteRun>& runs);

// "start screen", "screen 40 row 2 column 3" (rows 1..6, columns 1..8), "screen 40 enemy 2
// destination", "bytes outside the editor's regions".
std::string FactName(const Fact& fact);
// The field a fact belongs to, as a whole: "tiles", "enemy destinations", "palettes"; the
// game-wide facts and the outside bytes by FactName.
std::string FieldName(const Fact& fact);
// The value of FactBytes in words: codes as two hexadecimal digits, destinations and palettes
// in decimal, texts in quotes, screens by number, the outside bytes by count and CRC-32.
std::string FactValue(FactKind kind, const Bytes& bytes);

// The game-wide values as `info` prints them too.
std::string StartScreenValue(const std::optional<int>& start);
std::string EndScreenValue(const EndScreenHook& end);
// Two upper-case hexadecimal digits.
std::string CodeValue(std::uint8_t code);
// The size and CRC-32 of a file that is no image of the game, or of the bytes outside its regions.
std::string SizeAndChecksum(const Bytes& bytes);

}  // namespace quelbrook
