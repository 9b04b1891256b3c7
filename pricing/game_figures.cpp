#include "pricing/game_figures.h"

#include <cmath>
#include <limits>

#include "pricing/number_text.h"
#include "pricing/shops.h"

namespace pricewright {

namespace {
// Why the game would never price the item; caught where the figures are made.
struct NeverPriced {
  std::string reason;
};

constexpr bool carries(ItemKind kind, std::size_t shop) {
  switch (kind) {
  case ItemKind::Plain: return shop == 0;
  case ItemKind::Magic: return shop < 2;
  case ItemKind::Spell: return shop == 2;
  case ItemKind::Nothing: break;
  }
  return false;
}

// The game keeps values in 32 bits; one beyond is reported, never wrapped.
std::int64_t within32Bits(std::int64_t value, std::string_view what) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    throw NeverPriced{"The game cannot hold " + std::string(what) + ", " + std::to_string(value) +
                      ": it is beyond the range of a 32-bit integer."};
  return value;
}

std::int64_t product(std::int64_t a, std::int64_t b, std::string_view what) {
  std::int64_t result = 0;
  if (__builtin_mul_overflow(a, b, &result))
    throw NeverPriced{"The game cannot hold " + std::string(what) +
                      ": it is beyond the range of a 32-bit integer."};
  return within32Bits(result, what);
}

// The game rolls whole values within the record's range only.
std::int64_t rolled(double value, std::int32_t low, std::int32_t high, std::string_view what,
                    std::string_view separator) {
  if (value == std::floor(value) && value >= low && value <= high) return static_cast<std::int64_t>(value);
  const std::string range = std::to_string(low) + " to " + std::to_string(high);
  throw NeverPriced{"The game never rolls " + plainNumberText(value, separator) + " for " +
                    std::string(what) +
                    (value == std::floor(value) ? ": its range is " + range + "."
                                                : ": it rolls whole numbers only, from " + range + ".")};
}

// The cost at a rolled value, interpolated in whole percent, toward zero.
struct AffixCost {
  std::optional<std::int64_t> percent;  // none where the cost is CostMin regardless
  std::int64_t cost;
};
AffixCost affixCost(const PickedAffix& affix, std::string_view separator) {
  const AffixRecord& r = affix.record;
  const std::int64_t value =
      rolled(affix.value, r.effectMin, r.effectMax, "this " + std::string(affix.which), separator);
  if (r.effectMin == r.effectMax || r.costMin == r.costMax) return {std::nullopt, r.costMin};
  // cppcheck-suppress redundantAssignment ; a false finding on the one assignment
  const std::int64_t percent = 100 * (value - r.effectMin) / (std::int64_t{r.effectMax} - r.effectMin);
  return {percent, r.costMin + (std::int64_t{r.costMax} - r.costMin) * percent / 100};
}

GameFigures figuresOf(const ItemRecords& item, const std::array<std::int32_t, 3>& limits,
                      std::string_view separator) {
  if (item.kind == ItemKind::Nothing)
    throw NeverPriced{"There is no item to price: pick a base item, and the prefix, suffix or spell it has."};
  if (!item.basePrice) throw NeverPriced{"Every item of the game has a base item: pick one."};
  GameFigures game;
  if (item.spell) {
    const std::int64_t charges = rolled(item.charges, item.spell->chargesMin, item.spell->chargesMax,
                                        "this spell's charges", separator);
    game.chargesTerm = charges * item.spell->chargeValue / 5;
  }
  game.baseValue = within32Bits(*item.basePrice + game.chargesTerm, "the base value");
  if (item.prefix) {
    const AffixCost prefix = affixCost(*item.prefix, separator);
    game.prefixPercent = prefix.percent;
    game.prefixCost = prefix.cost;
  }
  if (item.suffix) {
    const AffixCost suffix = affixCost(*item.suffix, separator);
    game.suffixPercent = suffix.percent;
    game.suffixCost = suffix.cost;
  }
  if (item.prefix || item.suffix) {
    game.multiplierSum = std::int64_t{item.prefix ? item.prefix->record.priceMultiplier : 0} +
                         (item.suffix ? item.suffix->record.priceMultiplier : 0);
    if (game.multiplierSum > 0) game.baseTerm = product(game.multiplierSum, game.baseValue, "the base term");
    if (game.multiplierSum < 0) game.baseTerm = game.baseValue / game.multiplierSum;
    const std::int64_t value = game.baseTerm + game.prefixCost.value_or(0) + game.suffixCost.value_or(0);
    game.value = within32Bits(value > 0 ? value : 1, "the item's value");
  } else {
    game.value = game.baseValue;
  }
  for (std::size_t shop = 0; shop < game.shops.size(); ++shop) {
    ShopFigures& figures = game.shops[shop];
    figures.limit = limits[shop];
    if (!carries(item.kind, shop)) continue;
    figures.asks = shopAsks(shop, game.value);
    figures.stocked = game.value <= figures.limit;
  }
  game.buyBack = std::max<std::int64_t>(game.value / 4, 1);
  return game;
}
}  // namespace

std::int64_t shopAsks(std::size_t shop, std::int64_t value) {
  return kShops[shop] == &kWirt ? value + value / 2 : value;
}

GameOutcome gameFigures(const ItemRecords& item, const std::array<std::int32_t, 3>& limits,
                        std::string_view separator) {
  try {
    return {figuresOf(item, limits, separator), ""};
  } catch (const NeverPriced& never) {
    return {std::nullopt, never.reason};
  }
}

}  // namespace pricewright
