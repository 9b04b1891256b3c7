#include "pricing/roll_runs.h"

namespace pricewright {

std::vector<Run> affixRuns(const AffixRecord& affix) {
  const Rolls all = rolls(affix.effectMin, affix.effectMax);
  const AffixCost first = affixCost(affix, all.low, "affix");
  if (!first.percent || all.count() == 1) return {{{all.low, all.high}, first.cost, !first.unheld}};
  // The percent of a roll is 100 x its distance from EffectMin over the
  // range's width, toward zero: distances from ceil(pw / 100) on have percent p.
  const std::int64_t width = all.high - all.low;
  const auto firstAt = [&](std::int64_t percent) { return (percent * width + 99) / 100; };
  std::vector<Run> runs;
  for (std::int64_t percent = 0; percent <= 100; ++percent) {
    const std::int64_t near = firstAt(percent);
    const std::int64_t far =
        std::min(percent == 100 ? width : firstAt(percent + 1) - 1, kFarthestPercentDistance);
    if (near > far) continue;
    const AffixCost cost = affixCost(affix, all.low + near, "affix");
    runs.push_back({{all.low + near, all.low + far}, cost.cost, !cost.unheld});
  }
  if (width > kFarthestPercentDistance)
    runs.push_back({{all.low + kFarthestPercentDistance + 1, all.high}, 0, false});
  return runs;
}

Run chargeRun(const SpellRecord& spell) {
  const Rolls all = rolls(spell.chargesMin, spell.chargesMax);
  return {{all.low, all.high}, 0, true};
}

}  // namespace pricewright
