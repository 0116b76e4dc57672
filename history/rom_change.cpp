#include "rom_change.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

#include "byte_map.h"

namespace quelbrook::history {

namespace {
// A few equal bytes between two differences cost less kept as part of one run than as a
// second run's row.
constexpr long kJoinGap = 8;

ChangedRun RunOf(const Bytes& before, const Bytes& after, long from, long to) {
  auto slice = [from, to](const Bytes& bytes) {
    const long end = std::min(to, static_cast<long>(bytes.size()));
    return from < end ? Bytes(bytes.begin() + from, bytes.begin() + end) : Bytes();
  };
  return {from, slice(before), slice(after)};
}

struct Region {
  long first;
  long end;
  const char* name;
};

// The regions other than screen records, in file order.
const Region kNamedRegions[] = {
    {0, 16, "header"},
    {kEndCallSiteB1, kEndScreenHookOffset + kCallLength, "end-screen calls"},
    {kEndCodeBlockBase, kFirstScreenRecordOffset, "end-screen code"},
    {kEndingTextOffset, kEndingTextOffset + kEndingTextLength, "ending text"},
    {kStartScreenOffset, kStartScreenOffset + 1, "start screen"},
};

long RunEnd(const ChangedRun& run) {
  return run.offset + static_cast<long>(std::max(run.before.size(), run.after.size()));
}

bool Overlaps(const ChangedRun& run, long first, long end) { return run.offset < end && first < RunEnd(run); }

// The regions other than screen records that the change touches, the file's size included.
std::vector<std::string> TouchedRegions(const RomChange& change) {
  std::vector<std::string> names;
  for (const auto& region : kNamedRegions)
    if (std::any_of(change.runs.begin(), change.runs.end(),
                    [&](const ChangedRun& run) { return Overlaps(run, region.first, region.end); }))
      names.emplace_back(region.name);
  if (change.sizeBefore != change.sizeAfter) names.emplace_back("file size");
  return names;
}
}  // namespace

RomChange Difference(const Bytes& before, const Bytes& after) {
  RomChange change;
  change.sizeBefore = static_cast<long>(before.size());
  change.sizeAfter = static_cast<long>(after.size());
  const long common = std::min(change.sizeBefore, change.sizeAfter);
  const long longest = std::max(change.sizeBefore, change.sizeAfter);
  long runStart = -1;
  long lastDifference = -1;
  for (long i = 0; i < longest; ++i) {
    // Equal bytes are passed over a block at a time: a save compares the whole ROM.
    constexpr long kBlock = 64;
    while (i + kBlock <= common && std::memcmp(&before[static_cast<std::size_t>(i)],
                                               &after[static_cast<std::size_t>(i)], kBlock) == 0)
      i += kBlock;
    if (i >= longest) break;
    const bool differs =
        i >= common || before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)];
    if (!differs) continue;
    if (runStart >= 0 && i - lastDifference > kJoinGap) {
      change.runs.push_back(RunOf(before, after, runStart, lastDifference + 1));
      runStart = -1;
    }
    if (runStart < 0) runStart = i;
    lastDifference = i;
  }
  if (runStart >= 0) change.runs.push_back(RunOf(before, after, runStart, lastDifference + 1));
  return change;
}

void ApplyAfter(Bytes& image, const RomChange& change) {
  image.resize(static_cast<std::size_t>(change.sizeAfter));
  for (const auto& run : change.runs)
    std::copy(run.after.begin(), run.after.end(), image.begin() + run.offset);
}

std::int64_t KeptBytes(const RomChange& change) {
  std::int64_t total = 0;
  for (const auto& run : change.runs)
    total += static_cast<std::int64_t>(run.before.size() + run.after.size());
  return total;
}

std::int64_t StateHash(const Bytes& image) {
  // FNV-1a's step on eight bytes at a time, read in one byte order on every machine: a save
  // hashes the whole ROM, so the loop must cost little beside the write.
  std::uint64_t hash = 14695981039346656037ull;
  std::size_t i = 0;
  for (; i + 8 <= image.size(); i += 8) {
    std::uint64_t word = 0;
    for (int b = 7; b >= 0; --b) word = (word << 8) | image[i + static_cast<std::size_t>(b)];
    hash = ((hash ^ word) * 1099511628211ull) ^ (hash >> 29);
  }
  for (; i < image.size(); ++i) hash = (hash ^ image[i]) * 1099511628211ull;
  hash ^= image.size();
  return static_cast<std::int64_t>(hash);
}

std::vector<int> ChangedScreens(const RomChange& change) {
  if (change.sizeBefore == 0) return {};
  std::set<int> screens;
  for (const auto& run : change.runs) {
    const long first = std::max(run.offset, static_cast<long>(kFirstScreenRecordOffset));
    const long end =
        std::min(RunEnd(run), static_cast<long>(ScreenRecordOffset(kScreenCount) + kScreenRecordLength));
    for (long offset = first; offset < end; ++offset)
      screens.insert(static_cast<int>((offset - kScreenRecordBase) / kScreenStride));
  }
  return {screens.begin(), screens.end()};
}

std::string DescribeRegions(const RomChange& change) {
  if (change.sizeBefore == 0) return "the whole ROM";
  std::vector<std::string> parts;
  const auto screens = ChangedScreens(change);
  if (!screens.empty()) {
    std::string part = screens.size() == 1 ? "screen " : "screens ";
    for (std::size_t i = 0; i < screens.size(); ++i) part += (i ? ", " : "") + std::to_string(screens[i]);
    parts.push_back(part);
  }
  for (auto& name : TouchedRegions(change)) parts.push_back(std::move(name));
  std::string words;
  for (const auto& part : parts) words += (words.empty() ? "" : "; ") + part;
  return words.empty() ? "other bytes" : words;
}

std::vector<std::string> DifferingPlaces(const Bytes& from, const Bytes& to) {
  struct Part {
    long first;
    long end;
    const char* name;
  };
  static const Part kRecordParts[] = {
      {kRecordTiles, kRecordItem, "tiles"},
      {kRecordItem, kRecordItemDestination, "item"},
      {kRecordItemDestination, kRecordMessage, "item destination"},
      {kRecordMessage, kRecordEnemyKinds, "message"},
      {kRecordEnemyKinds, kRecordEnemyDestinations, "enemies"},
      {kRecordEnemyDestinations, kRecordPalette1, "enemy destinations"},
      {kRecordPalette1, kScreenRecordLength, "palettes"},
  };
  const RomChange change = Difference(from, to);
  std::vector<std::string> places;
  for (int screen : ChangedScreens(change)) {
    std::string parts;
    for (const auto& part : kRecordParts) {
      const long first = ScreenRecordOffset(screen) + part.first;
      const long end = ScreenRecordOffset(screen) + part.end;
      for (long offset = first; offset < end; ++offset) {
        const auto i = static_cast<std::size_t>(offset);
        if (i < from.size() && i < to.size() && from[i] == to[i]) continue;
        parts += (parts.empty() ? "" : ", ") + std::string(part.name);
        break;
      }
    }
    places.push_back("Screen " + std::to_string(screen) + ": " + parts);
  }
  for (auto& name : TouchedRegions(change)) {
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    places.push_back(std::move(name));
  }
  return places;
}

}  // namespace quelbrook::history
