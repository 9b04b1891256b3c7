#include "pricing/cost_spread.h"

#include <algorithm>

#include "pricing/roll_runs.h"

namespace pricewright {

CostSpread::CostSpread(const AffixRecord& affix) {
  std::vector<Run> runs = affixRuns(affix);
  held_ = std::ranges::all_of(runs, &Run::held);
  std::ranges::sort(runs, {}, &Run::cost);
  for (const Run& run : runs) {
    rolls_ += run.values.count();
    if (!costs_.empty() && costs_.back().cost == run.cost)
      costs_.back().rolls += run.values.count();
    else
      costs_.push_back({run.cost, run.values.count(), 0});
    costs_.back().atMost = rolls_;
  }
}

std::uint64_t CostSpread::atMost(std::int64_t most) const {
  const auto above = std::ranges::upper_bound(costs_, most, {}, &Cost::cost);
  return above == costs_.begin() ? 0 : std::prev(above)->atMost;
}

std::uint64_t pairsAtMost(const CostSpread& a, const CostSpread& b, std::int64_t most) {
  // As a's cost grows, the costs of b that still fit only shrink: one walk down b.
  std::uint64_t pairs = 0;
  auto fits = b.costs_.rbegin();
  for (const CostSpread::Cost& cost : a.costs_) {
    while (fits != b.costs_.rend() && fits->cost > most - cost.cost) ++fits;
    if (fits == b.costs_.rend()) break;
    pairs += cost.rolls * fits->atMost;
  }
  return pairs;
}

}  // namespace pricewright
