#include "rom_facts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "bps_patch.h"
#include "hex_text.h"
#include "quoted_text.h"
#include "screen_value.h"
#include "text_codec.h"

namespace quelbrook {

namespace {
Fact FactAt(FactKind kind, std::vector<ByteRun> runs) { return Fact{kind, 0, 0, std::move(runs)}; }

constexpr ByteRun CallRun(int offset) { return {std::size_t(offset), std::size_t(kCallLength)}; }

// Every block an end-screen save may write or clear, as one run.
constexpr ByteRun EndBlocksRun() {
  const int first = EndCodeBlockOffset(1);
  return {std::size_t(first),
          std::size_t(EndCodeBlockOffset(kLastSafeEndScreen) + kEndCodeBlockLength - first)};
}

std::string DestinationValue(std::uint8_t stored) {
  return std::to_string(stored) + (stored == kUnsetDestination ? " (unset)" : "");
}

std::string ScreenFactName(const Fact& fact) {
  const std::string screen = "screen " + std::to_string(fact.screen);
  const std::string number = std::to_string(fact.index + 1);
  switch (fact.kind) {
    case FactKind::kTile:
      return screen + " row " + std::to_string(fact.index / kGridColumns + 1) + " column " +
             std::to_string(fact.index % kGridColumns + 1);
    case FactKind::kItem:
      return screen + " item";
    case FactKind::kItemDestination:
      return screen + " item destination";
    case FactKind::kMessage:
      return screen + " message";
    case FactKind::kEnemyKind:
      return screen + " enemy " + number;
    case FactKind::kEnemyDestination:
      return screen + " enemy " + number + " destination";
    default:
      return screen + " palette " + number;
  }
}
}  // namespace

const std::vector<Fact>& GameWideFacts() {
  static const std::vector<Fact> facts{
      FactAt(FactKind::kStartScreen, {{std::size_t(kStartScreenOffset), 1}}),
      FactAt(FactKind::kEndScreen, {CallRun(kEndScreenHookOffset), CallRun(kEndCallSiteB1),
                                    CallRun(kEndCallSiteB2), CallRun(kEndCallSiteC), EndBlocksRun()}),
      FactAt(FactKind::kEndingText, {{std::size_t(kEndingTextOffset), std::size_t(kEndingTextLength)}}),
  };
  return facts;
}

ByteRun RecordRun(int screen) {
  return {std::size_t(ScreenRecordOffset(screen)), std::size_t(kScreenRecordLength)};
}

std::vector<Fact> ScreenFacts(int screen) {
  std::vector<Fact> facts;
  const std::size_t record = RecordRun(screen).offset;
  const auto add = [&](FactKind kind, int index, int offset, int length = 1) {
    facts.push_back({kind, screen, index, {{record + std::size_t(offset), std::size_t(length)}}});
  };
  for (int cell = 0; cell < kTileCount; ++cell) add(FactKind::kTile, cell, kRecordTiles + cell);
  add(FactKind::kItem, 0, kRecordItem);
  add(FactKind::kItemDestination, 0, kRecordItemDestination);
  add(FactKind::kMessage, 0, kRecordMessage, kMessageLength);
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    add(FactKind::kEnemyKind, enemy, kRecordEnemyKinds + enemy);
  for (int enemy = 0; enemy < kEnemyCount; ++enemy)
    add(FactKind::kEnemyDestination, enemy, kRecordEnemyDestinations + enemy);
  add(FactKind::kPalette, 0, kRecordPalette1);
  add(FactKind::kPalette, 1, kRecordPalette2);
  return facts;
}

Fact OutsideFact(std::size_t imageSize) {
  std::vector<ByteRange> regions(std::begin(kEditorWrittenRanges), std::end(kEditorWrittenRanges));
  std::sort(regions.begin(), regions.end(),
            [](const ByteRange& a, const ByteRange& b) { return a.first < b.first; });
  std::vector<ByteRun> gaps;
  std::size_t from = 0;
  for (const ByteRange& region : regions) {
    const auto first = std::size_t(region.first), end = std::size_t(region.end);
    if (first > from) gaps.push_back({from, first - from});
    from = std::max(from, end);
  }
  if (imageSize > from) gaps.push_back({from, imageSize - from});
  return FactAt(FactKind::kOutside, std::move(gaps));
}

Bytes FactBytes(const Bytes& image, const std::vector<ByteRun>& runs) {
  Bytes bytes;
  for (const ByteRun& run : runs)
    bytes.insert(bytes.end(), image.begin() + long(run.offset),
                 image.begin() + long(run.offset + run.length));
  return bytes;
}

bool SameBytes(const Bytes& a, const Bytes& b, const ByteRun& run) {
  return std::memcmp(a.data() + run.offset, b.data() + run.offset, run.length) == 0;
}

bool SameBytes(const Bytes& a, const Bytes& b, const std::vector<ByteRun>& runs) {
  return std::all_of(runs.begin(), runs.end(), [&](const ByteRun& run) { return SameBytes(a, b, run); });
}

std::string FactName(const Fact& fact) {
  switch (fact.kind) {
    case FactKind::kStartScreen:
      return "start screen";
    case FactKind::kEndScreen:
      return "end screen";
    case FactKind::kEndingText:
      return "ending text";
    case FactKind::kOutside:
      return "bytes outside the editor's regions";
    default:
      return ScreenFactName(fact);
  }
}

std::string FieldName(const Fact& fact) {
  switch (fact.kind) {
    case FactKind::kTile:
      return "tiles";
    case FactKind::kItem:
      return "item";
    case FactKind::kItemDestination:
      return "item destination";
    case FactKind::kMessage:
      return "message";
    case FactKind::kEnemyKind:
      return "enemies";
    case FactKind::kEnemyDestination:
      return "enemy destinations";
    case FactKind::kPalette:
      return "palettes";
    default:
      return FactName(fact);
  }
}

std::string FactValue(FactKind kind, const Bytes& bytes) {
  switch (kind) {
    case FactKind::kStartScreen:
      return StartScreenValue(DecodeStartScreenByte(bytes[0]));
    case FactKind::kEndScreen:
      return EndScreenValue(DecodeEndScreenHook(bytes.data()));
    case FactKind::kEndingText:
    case FactKind::kMessage:
      return QuotedText(DecodeText(bytes));
    case FactKind::kTile:
    case FactKind::kItem:
    case FactKind::kEnemyKind:
      return CodeValue(bytes[0]);
    case FactKind::kItemDestination:
    case FactKind::kEnemyDestination:
      return DestinationValue(bytes[0]);
    case FactKind::kPalette:
      return std::to_string(bytes[0]);
    case FactKind::kOutside:
      return SizeAndChecksum(bytes);
  }
  return {};
}

std::string StartScreenValue(const std::optional<int>& start) {
  return start ? std::to_string(*start) : "none (the start byte names no screen)";
}

std::string EndScreenValue(const EndScreenHook& end) {
  if (!end.hookPresent) return "0 (none)";
  std::string text = std::to_string(end.endScreen);
  if (!IsEndScreenOperand(end.operand))
    text += " (the hook calls " + IntToHexText(end.operand) +
            ", which is not the address of an end-screen block)";
  return text;
}

std::string CodeValue(std::uint8_t code) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", code);
  return text;
}

std::string SizeAndChecksum(const Bytes& bytes) {
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(bytes)));
  return std::to_string(bytes.size()) + " bytes, crc32 " + crc;
}

}  // namespace quelbrook
