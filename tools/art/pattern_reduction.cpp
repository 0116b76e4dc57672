#include "pattern_reduction.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>

namespace quelbrook::art {

namespace {

constexpr int kRounds = 8;

struct Unique {
  Pattern pattern;
  std::uint64_t weight = 0;
  std::size_t firstInput = 0;
};

std::vector<Unique> Deduplicate(const std::vector<WeightedPattern>& inputs,
                                std::vector<std::size_t>& uniqueOf) {
  std::map<Pattern, std::size_t> index;
  std::vector<Unique> uniques;
  uniqueOf.resize(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    auto [it, added] = index.emplace(inputs[i].pattern, uniques.size());
    if (added) uniques.push_back({inputs[i].pattern, 0, i});
    uniques[it->second].weight += inputs[i].weight;
    uniqueOf[i] = it->second;
  }
  return uniques;
}

bool IsBlank(const Pattern& pattern) {
  return std::all_of(pattern.begin(), pattern.end(), [](std::uint8_t c) { return c == 0; });
}

std::size_t Nearest(const Pattern& pattern, const std::vector<Pattern>& centres) {
  std::size_t best = 0;
  std::uint32_t bestDistance = UINT32_MAX;
  for (std::size_t c = 0; c < centres.size(); ++c) {
    const std::uint32_t distance = PatternDistance(pattern, centres[c]);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = c;
    }
  }
  return best;
}

// Each pixel becomes the weighted mean of its cluster's pixels, rounded.
Pattern MeanOf(const std::vector<const Unique*>& members) {
  Pattern mean{};
  std::uint64_t total = 0;
  for (const Unique* member : members) total += member->weight;
  for (std::size_t pixel = 0; pixel < mean.size(); ++pixel) {
    std::uint64_t sum = 0;
    for (const Unique* member : members) sum += member->pattern[pixel] * member->weight;
    mean[pixel] = static_cast<std::uint8_t>((2 * sum + total) / (2 * total));
  }
  return mean;
}

}  // namespace

std::uint32_t PatternDistance(const Pattern& a, const Pattern& b) {
  std::uint32_t distance = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const int d = a[i] - b[i];
    distance += static_cast<std::uint32_t>(d * d);
  }
  return distance;
}

ReducedPatterns ReducePatterns(const std::vector<WeightedPattern>& inputs, std::size_t budget) {
  if (budget == 0) throw std::invalid_argument("no room for any pattern");
  std::vector<std::size_t> uniqueOf;
  const std::vector<Unique> uniques = Deduplicate(inputs, uniqueOf);

  // The heaviest patterns seed the clusters; the blank one, if any, stays fixed first.
  std::vector<std::size_t> order(uniques.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const bool blankA = IsBlank(uniques[a].pattern), blankB = IsBlank(uniques[b].pattern);
    if (blankA != blankB) return blankA;
    return uniques[a].weight > uniques[b].weight;
  });
  const bool hasBlank = !uniques.empty() && IsBlank(uniques[order.front()].pattern);
  std::vector<Pattern> centres;
  for (std::size_t i = 0; i < order.size() && centres.size() < budget; ++i)
    centres.push_back(uniques[order[i]].pattern);

  std::vector<std::size_t> clusterOf(uniques.size());
  for (int round = 0; round < kRounds && uniques.size() > budget; ++round) {
    std::vector<std::vector<const Unique*>> members(centres.size());
    for (std::size_t u = 0; u < uniques.size(); ++u) {
      clusterOf[u] = Nearest(uniques[u].pattern, centres);
      members[clusterOf[u]].push_back(&uniques[u]);
    }
    for (std::size_t c = hasBlank ? 1 : 0; c < centres.size(); ++c)
      if (!members[c].empty()) centres[c] = MeanOf(members[c]);
  }

  ReducedPatterns result;
  result.kept = centres;
  result.chosen.resize(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) result.chosen[i] = Nearest(inputs[i].pattern, centres);
  return result;
}

}  // namespace quelbrook::art
