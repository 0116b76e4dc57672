#include "rom_change.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

#include "byte_map.h"
#include "rom_facts.h"

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

long RunEnd(const ChangedRun& run) {
  return run.offset + static_cast<long>(std::max(run.before.size(), run.after.size()));
}

// A state's hash is its words' hashes XORed, each mixed with its place, so that a change
// rehashes only the words it touches: a save does not hash the whole ROM.
constexpr std::size_t kHashedWord = 8;

// splitmix64's finaliser.
std::uint64_t Mixed(std::uint64_t value) {
  value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
  value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
  return value ^ (value >> 31);
}

// Read in one byte order on every machine, a short last word padded with zeros.
std::uint64_t WordHash(const Bytes& image, std::size_t word) {
  const std::size_t at = word * kHashedWord;
  std::uint64_t value = 0;
  if (at + kHashedWord <= image.size()) {
    std::memcpy(&value, image.data() + at, kHashedWord);
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    value = __builtin_bswap64(value);
#endif
  } else {
    for (std::size_t i = 0; at + i < image.size(); ++i) value |= std::uint64_t{image[at + i]} << (8 * i);
  }
  return Mixed(value ^ Mixed(word + 0x9E3779B97F4A7C15ull));
}

std::uint64_t SizeHash(std::size_t size) { return Mixed(~std::uint64_t{size}); }

bool Touches(const RomChange& change, const std::vector<ByteRun>& runs) {
  return std::any_of(change.runs.begin(), change.runs.end(), [&](const ChangedRun& changed) {
    return std::any_of(runs.begin(), runs.end(), [&](const ByteRun& run) {
      return changed.offset < static_cast<long>(run.offset + run.length) &&
             static_cast<long>(run.offset) < RunEnd(changed);
    });
  });
}

// Byte by byte, since a run of the change may span equal bytes of a field between two others.
bool Differs(const Bytes& from, const Bytes& to, const std::vector<ByteRun>& runs) {
  for (const ByteRun& run : runs)
    for (std::size_t i = run.offset; i < run.offset + run.length; ++i)
      if ((i < from.size()) != (i < to.size()) || (i < from.size() && from[i] != to[i])) return true;
  return false;
}

// The places other than screen records that the change touches, the file's size included.
std::vector<std::string> TouchedRegions(const RomChange& change) {
  std::vector<std::string> names;
  for (const Fact& fact : GameWideFacts())
    if (Touches(change, fact.runs)) names.push_back(FactName(fact));
  // Bytes past the shorter side are the change of size, told below.
  const Fact outside = OutsideFact(static_cast<std::size_t>(std::min(change.sizeBefore, change.sizeAfter)));
  if (Touches(change, outside.runs)) names.push_back(FactName(outside));
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
    // Equal bytes are passed over a block at a time, large blocks first: a save compares the
    // whole ROM, and a call per 64 bytes cost more than the comparing.
    for (const long block : {4096L, 64L})
      while (i + block <= common &&
             std::memcmp(&before[static_cast<std::size_t>(i)], &after[static_cast<std::size_t>(i)],
                         static_cast<std::size_t>(block)) == 0)
        i += block;
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
  std::uint64_t hash = SizeHash(image.size());
  for (std::size_t word = 0; word * kHashedWord < image.size(); ++word) hash ^= WordHash(image, word);
  return static_cast<std::int64_t>(hash);
}

std::int64_t StateHashAfter(std::int64_t hashBefore, const Bytes& before, const Bytes& after,
                            const RomChange& change) {
  if (before.size() != after.size()) return StateHash(after);
  auto hash = static_cast<std::uint64_t>(hashBefore);
  std::size_t nextWord = 0;
  for (const auto& run : change.runs) {
    const std::size_t last = static_cast<std::size_t>(RunEnd(run) - 1) / kHashedWord;
    for (std::size_t word = std::max(nextWord, static_cast<std::size_t>(run.offset) / kHashedWord);
         word <= last; ++word)
      hash ^= WordHash(before, word) ^ WordHash(after, word);
    nextWord = std::max(nextWord, last + 1);
  }
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
  const RomChange change = Difference(from, to);
  std::vector<std::string> places;
  for (int screen : ChangedScreens(change)) {
    std::vector<std::string> fields;
    for (const Fact& fact : ScreenFacts(screen)) {
      const std::string field = FieldName(fact);
      if (Differs(from, to, fact.runs) && std::find(fields.begin(), fields.end(), field) == fields.end())
        fields.push_back(field);
    }
    std::string text = "Screen " + std::to_string(screen) + ":";
    for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? ", " : " ") + fields[i];
    places.push_back(text);
  }
  for (auto& name : TouchedRegions(change)) {
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    places.push_back(std::move(name));
  }
  return places;
}

}  // namespace quelbrook::history
