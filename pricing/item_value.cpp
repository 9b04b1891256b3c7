#include "pricing/item_value.h"

#include <limits>

namespace pricewright {

std::string unheldSentence(const Unheld& unheld) {
  return "The game cannot hold " + unheld.what + ", " + std::to_string(unheld.value) +
         ": it is beyond the range of a 32-bit integer.";
}

AffixCost affixCost(const AffixRecord& affix, std::int64_t roll, std::string_view which) {
  if (affix.effectMin == affix.effectMax || affix.costMin == affix.costMax)
    return {std::nullopt, affix.costMin, {}};
  const std::string whose = "the " + std::string(which) + "'s ";
  const std::int64_t hundredfold = 100 * (roll - affix.effectMin);
  if (!within32Bits(hundredfold))
    return {std::nullopt, 0, Unheld{"100 times " + whose + "roll above its EffectMin", hundredfold}};
  // A roll other than EffectMin comes only from a forward range, whose width 32 bits hold.
  // cppcheck-suppress redundantAssignment ; it reads the initialisation above as overwritten here
  const std::int64_t percent = hundredfold / (std::int64_t{affix.effectMax} - affix.effectMin);
  // The cost range itself may wrap harmlessly: only its product with the percent is kept.
  const std::int64_t share = (std::int64_t{affix.costMax} - affix.costMin) * percent;
  if (!within32Bits(share)) return {percent, 0, Unheld{whose + "cost range times its percent", share}};
  const std::int64_t cost = affix.costMin + share / 100;
  if (!within32Bits(cost)) return {percent, cost, Unheld{whose + "cost", cost}};
  return {percent, cost, {}};
}

ValueSteps valueSteps(const ValueInputs& item) {
  ValueSteps steps;
  steps.chargesProduct = item.charges * item.chargeValue;
  steps.baseValue = item.basePrice + steps.chargesTerm() + item.bookCost;
  if (!item.byAffixes) {
    steps.total = steps.value = steps.baseValue;
    return steps;
  }
  steps.multiplierSum = item.multiplierSum;
  steps.costs = item.costs;
  // Exact in 64 bits while the sum and the base value are held; beyond, an earlier step is reported.
  const std::int64_t m = steps.multiplierSum;
  if (m > 0 && __builtin_mul_overflow(m, steps.baseValue, &steps.baseTerm))
    steps.baseTerm = std::numeric_limits<std::int64_t>::max();
  if (m < 0) steps.baseTerm = steps.baseValue / m;
  // A base term held at the 64-bit bound keeps the total there too: that step is reported first.
  if (__builtin_add_overflow(steps.costs, steps.baseTerm, &steps.total))
    steps.total = std::numeric_limits<std::int64_t>::max();
  steps.value = std::max<std::int64_t>(steps.total, 1);
  return steps;
}

std::optional<Unheld> firstUnheld(const ValueSteps& steps) {
  const std::pair<const char*, std::int64_t> inOrder[] = {
      {"the charges times their ChargeValue", steps.chargesProduct},
      {"the base value", steps.baseValue},
      {"the sum of the multipliers", steps.multiplierSum},
      {"the base term", steps.baseTerm},
      {"the sum of the affixes' costs", steps.costs},
      {"the item's value", steps.total},
  };
  for (const auto& [what, value] : inOrder)
    if (!within32Bits(value)) return Unheld{what, value};
  return std::nullopt;
}

}  // namespace pricewright
