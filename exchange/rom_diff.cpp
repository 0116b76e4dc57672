#include "rom_diff.h"

#include <algorithm>

#include "editor_error.h"

namespace quelbrook {

namespace {
void AddIfChanged(std::vector<FactChange>& changes, const Fact& fact, const Bytes& before,
                  const Bytes& after) {
  if (!SameBytes(before, after, fact.runs))
    changes.push_back({FactName(fact), FactValue(fact.kind, FactBytes(before, fact.runs)),
                       FactValue(fact.kind, FactBytes(after, fact.runs))});
}
}  // namespace

std::vector<FactChange> ImageDifferences(const Bytes& before, const Bytes& after) {
  if (std::min(before.size(), after.size()) < kSmallestImage)
    throw EditorError("not an image of the game: shorter than " + std::to_string(kSmallestImage) + " bytes");
  std::vector<FactChange> changes;
  for (const Fact& fact : GameWideFacts()) AddIfChanged(changes, fact, before, after);
  for (int screen = 1; screen <= kScreenCount; ++screen) {
    if (SameBytes(before, after, RecordRun(screen))) continue;
    for (const Fact& fact : ScreenFacts(screen)) AddIfChanged(changes, fact, before, after);
  }
  // Images of two sizes have their outside bytes in runs of their own.
  const Fact outside = OutsideFact(before.size());
  const Bytes outsideBefore = FactBytes(before, outside.runs);
  const Bytes outsideAfter = FactBytes(after, OutsideFact(after.size()).runs);
  if (outsideBefore != outsideAfter)
    changes.push_back({FactName(outside), FactValue(FactKind::kOutside, outsideBefore),
                       FactValue(FactKind::kOutside, outsideAfter)});
  return changes;
}

}  // namespace quelbrook
