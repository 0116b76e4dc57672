#include "rom_merge.h"

#include <algorithm>

#include "editor_error.h"

namespace quelbrook {

namespace {
class Merger {
 public:
  // Ours becomes the result in place: a fact's bytes change only once it is decided, and
  // every fact is decided once, so what is still undecided reads as ours.
  Merger(const Bytes& base, Bytes&& ours, const Bytes& theirs)
      : result_{std::move(ours), {}, false}, base_(base), ours_(result_.image), theirs_(theirs) {}

  void MergeFact(const Fact& fact) {
    if (SameBytes(ours_, theirs_, fact.runs) || SameBytes(base_, theirs_, fact.runs)) return;
    if (SameBytes(base_, ours_, fact.runs)) {
      for (const ByteRun& run : fact.runs) TakeTheirs(run);
      return;
    }
    result_.conflicts.push_back(
        {FactName(fact), ValueIn(base_, fact), ValueIn(ours_, fact), ValueIn(theirs_, fact)});
  }

  // Most records are changed on one side or none: their fields are looked at only when both changed.
  void MergeScreen(int screen) {
    const ByteRun record = RecordRun(screen);
    if (SameBytes(ours_, theirs_, record) || SameBytes(base_, theirs_, record)) return;
    if (SameBytes(base_, ours_, record)) return TakeTheirs(record);
    for (const Fact& fact : ScreenFacts(screen)) MergeFact(fact);
  }

  ImageMerge Result() && { return std::move(result_); }

 private:
  void TakeTheirs(const ByteRun& run) {
    std::copy_n(theirs_.begin() + long(run.offset), run.length, result_.image.begin() + long(run.offset));
    result_.changed = true;
  }
  static std::string ValueIn(const Bytes& image, const Fact& fact) {
    return FactValue(fact.kind, FactBytes(image, fact.runs));
  }

  ImageMerge result_;
  const Bytes& base_;
  const Bytes& ours_;
  const Bytes& theirs_;
};
}  // namespace

std::optional<std::string> MergeRefusal(std::size_t base, std::size_t ours, std::size_t theirs) {
  if (std::min({base, ours, theirs}) < kSmallestImage)
    return "not an image of the game: a file of " + std::to_string(std::min({base, ours, theirs})) +
           " bytes ends before the last region of the byte map (" + std::to_string(kSmallestImage) +
           " bytes at least); merge it by hand";
  if (base != ours || base != theirs)
    return "the images differ in size (base " + std::to_string(base) + ", ours " + std::to_string(ours) +
           ", theirs " + std::to_string(theirs) + " bytes); merge them by hand";
  return std::nullopt;
}

ImageMerge MergeImages(const Bytes& base, Bytes ours, const Bytes& theirs) {
  if (const auto refusal = MergeRefusal(base.size(), ours.size(), theirs.size())) throw EditorError(*refusal);
  const std::size_t size = base.size();
  Merger merger(base, std::move(ours), theirs);
  for (const Fact& fact : GameWideFacts()) merger.MergeFact(fact);
  for (int screen = 1; screen <= kScreenCount; ++screen) merger.MergeScreen(screen);
  merger.MergeFact(OutsideFact(size));
  return std::move(merger).Result();
}

}  // namespace quelbrook
