// Writes the byte map as ca65 constants, so that the demo game is assembled against the
// same record layout and addresses that the editor reads and writes.

#include <fstream>
#include <iostream>

#include "byte_map.h"

namespace {

using namespace quelbrook;

// MMC1 as the game sets it up: the first bank fixed at $8000, any other seen at $C000.
constexpr int kBankSize = 0x4000;
constexpr int kHeaderLength = 0x8000 - kAddressToOffset;
constexpr int BankOf(int offset) { return (offset - kHeaderLength) / kBankSize; }
constexpr int AddressOf(int offset) {
  return (BankOf(offset) == 0 ? 0x8000 : 0xC000) + (offset - kHeaderLength) % kBankSize;
}
static_assert(AddressOf(kEndingTextOffset) == AddressOfOffset(kEndingTextOffset));

void Constant(std::ostream& out, const char* name, int value) { out << name << " = " << value << '\n'; }

// A region the editor writes: its bank and its address there.
void Region(std::ostream& out, const char* name, int offset) {
  out << name << "_BANK = " << BankOf(offset) << '\n';
  out << name << "_ADDRESS = " << AddressOf(offset) << '\n';
}

void Write(std::ostream& out) {
  out << "; Made by quelbrook_game_byte_map from core/byte_map.h; do not edit.\n";
  Constant(out, "SCREEN_COUNT", kScreenCount);
  Constant(out, "WORLD_COLUMNS", kWorldColumns);

  Constant(out, "RECORD_LENGTH", kScreenRecordLength);
  Constant(out, "TILE_COUNT", kTileCount);
  Constant(out, "GRID_COLUMNS", kGridColumns);
  Constant(out, "TILE_CODE_COUNT", kTilePictureCount);
  Constant(out, "MESSAGE_LENGTH", kMessageLength);
  Constant(out, "ENEMY_COUNT", kEnemyCount);
  Constant(out, "REC_TILES", kRecordTiles);
  Constant(out, "REC_ITEM", kRecordItem);
  Constant(out, "REC_ITEM_DEST", kRecordItemDestination);
  Constant(out, "REC_MESSAGE", kRecordMessage);
  Constant(out, "REC_ENEMIES", kRecordEnemyKinds);
  Constant(out, "REC_ENEMY_DEST", kRecordEnemyDestinations);
  Constant(out, "REC_PALETTE1", kRecordPalette1);
  Constant(out, "REC_PALETTE2", kRecordPalette2);

  Region(out, "RECORDS", kFirstScreenRecordOffset);
  Region(out, "ENDING_TEXT", kEndingTextOffset);
  Constant(out, "ENDING_TEXT_LENGTH", kEndingTextLength);
  Region(out, "START_BYTE", kStartScreenOffset);
  Region(out, "END_BLOCKS", EndCodeBlockOffset(1));
  Constant(out, "END_BLOCKS_END", EndCodeBlockAddress(kLastSafeEndScreen + 1));

  // The call sites, in the fixed first bank.
  Constant(out, "END_CALL_SITE_B1", AddressOfOffset(kEndCallSiteB1));
  Constant(out, "END_CALL_SITE_B2", AddressOfOffset(kEndCallSiteB2));
  Constant(out, "END_CALL_SITE_C", AddressOfOffset(kEndCallSiteC));
  Constant(out, "END_SCREEN_HOOK", AddressOfOffset(kEndScreenHookOffset));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quelbrook_game_byte_map <output .inc>\n";
    return 2;
  }
  std::ofstream out(argv[1]);
  Write(out);
  out.close();
  if (!out) {
    std::cerr << "quelbrook_game_byte_map: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
