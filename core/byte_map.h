#pragma once
// Where each region the editor touches lies in the cartridge image. Offsets are
// absolute file offsets, the 16-byte iNES header included.

#include <cstddef>
#include <cstdint>

namespace quelbrook {

constexpr int kScreenCount = 128;
constexpr int kWorldColumns = 16;
constexpr int kWorldRows = 8;

// The first program bank is seen by the 6502 from 0x8000 and starts after the header.
constexpr int kAddressToOffset = 32752;
constexpr int OffsetOfAddress(int address) { return address - kAddressToOffset; }
constexpr int AddressOfOffset(int offset) { return offset + kAddressToOffset; }

// End-screen patch: three call sites, the hook that names the end screen's block.
constexpr int kEndCallSiteB1 = 506;
constexpr int kEndCallSiteB2 = 543;
constexpr int kEndCallSiteC = 581;
constexpr int kEndScreenHookOffset = 617;
constexpr int kCallLength = 3;
constexpr std::uint8_t kJsrOpcode = 0x20;

constexpr int kEndCodeBlockLength = 74;
constexpr int kEndCodeBlockBase = 8139;  // block of screen E at base + stride * E
constexpr int kEndCodeBlockAddressBase = 40891;
constexpr int kScreenStride = 76;
constexpr int EndCodeBlockOffset(int screen) { return kEndCodeBlockBase + kScreenStride * screen; }
constexpr int EndCodeBlockAddress(int screen) { return kEndCodeBlockAddressBase + kScreenStride * screen; }
constexpr int kEndEntryB = 60;
constexpr int kEndEntryC = 67;
constexpr int kEndScreenIndexInBlock = 4;

// Screen records.
constexpr int kScreenRecordBase = 16324;
constexpr int kScreenRecordLength = 76;
constexpr int ScreenRecordOffset(int screen) { return kScreenRecordBase + kScreenStride * screen; }
constexpr int kFirstScreenRecordOffset = ScreenRecordOffset(1);

// Tile codes 0..AF have pictures; higher codes show the backdrop in the game.
constexpr int kTilePictureCount = 176;

// Layout inside a record.
constexpr int kTileCount = 48;
constexpr int kGridColumns = 8;
constexpr int kGridRows = 6;
constexpr int kRecordTiles = 0;
constexpr int kRecordItem = 48;
constexpr int kRecordItemDestination = 49;
constexpr int kRecordMessage = 50;
constexpr int kMessageLength = 16;
constexpr int kRecordEnemyKinds = 66;
constexpr int kEnemyCount = 4;
constexpr int kRecordEnemyDestinations = 70;
constexpr int kRecordPalette1 = 74;
constexpr int kRecordPalette2 = 75;

constexpr int kEndingTextOffset = 29932;
constexpr int kEndingTextLength = 116;

constexpr int kStartScreenOffset = 33236;
// The smallest file that holds every region of this map: the start-screen byte comes last.
constexpr std::size_t kSmallestImage = kStartScreenOffset + 1;

// End screens whose block would run into the first screen records.
constexpr int kLastSafeEndScreen = 107;

// Every byte any save of the editor may write, as [first, end) ranges: the end-screen patch,
// the screen records, the ending text and the start screen. The other bytes stay as built.
struct ByteRange {
  int first, end;
};
constexpr ByteRange kEditorWrittenRanges[] = {
    {kEndCallSiteB1, kEndCallSiteB1 + kCallLength},
    {kEndCallSiteB2, kEndCallSiteB2 + kCallLength},
    {kEndCallSiteC, kEndCallSiteC + kCallLength},
    {kEndScreenHookOffset, kEndScreenHookOffset + kCallLength},
    {EndCodeBlockOffset(1), EndCodeBlockOffset(kLastSafeEndScreen) + kEndCodeBlockLength},
    {kFirstScreenRecordOffset, ScreenRecordOffset(kScreenCount) + kScreenRecordLength},
    {kEndingTextOffset, kEndingTextOffset + kEndingTextLength},
    {kStartScreenOffset, kStartScreenOffset + 1},
};

static_assert(kTileCount == kGridColumns * kGridRows);
static_assert(kRecordItem == kRecordTiles + kTileCount);
static_assert(kRecordMessage == kRecordItemDestination + 1);
static_assert(kRecordEnemyKinds == kRecordMessage + kMessageLength);
static_assert(kRecordEnemyDestinations == kRecordEnemyKinds + kEnemyCount);
static_assert(kRecordPalette1 == kRecordEnemyDestinations + kEnemyCount);
static_assert(kScreenRecordLength == kRecordPalette2 + 1);
static_assert(ScreenRecordOffset(1) == 16400 && ScreenRecordOffset(128) + kScreenRecordLength == 26128);
static_assert(OffsetOfAddress(EndCodeBlockAddress(1)) == EndCodeBlockOffset(1));
static_assert(EndCodeBlockOffset(kLastSafeEndScreen) + kEndCodeBlockLength <= kFirstScreenRecordOffset);
static_assert(EndCodeBlockOffset(kLastSafeEndScreen + 1) + kEndCodeBlockLength > kFirstScreenRecordOffset);

}  // namespace quelbrook
