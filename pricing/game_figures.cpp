#include "pricing/game_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "pricing/number_text.h"

namespace pricewright {

namespace {
// The figures as the game works them out, step by step; a step that finds the
// game would never price the item says why and gives nothing.
class FiguresOf {
public:
  FiguresOf(const ItemRecords& item, std::string_view separator) : item_(item), separator_(separator) {}

  std::optional<GameFigures> figures(const ShopLimits& limits);
  std::string reason;

private:
  // The game keeps values in 32 bits; one beyond is reported, never wrapped.
  std::optional<std::int64_t> held(std::int64_t value, std::string_view what) {
    if (within32Bits(value)) return value;
    reason = "The game cannot hold " + std::string(what) + ", " + std::to_string(value) +
             ": it is beyond the range of a 32-bit integer.";
    return std::nullopt;
  }

  // The game rolls whole values between the record's two ends only, whichever
  // is the larger; `what` follows "this".
  std::optional<std::int64_t> rolled(double value, std::int32_t first, std::int32_t last,
                                     std::string_view what) {
    const std::int32_t low = std::min(first, last);
    const std::int32_t high = std::max(first, last);
    if (value == std::floor(value) && value >= low && value <= high) return static_cast<std::int64_t>(value);
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    reason = "The game never rolls " + plainNumberText(value, separator_) + " for this " + std::string(what) +
             (value == std::floor(value) ? ": its range is " + range + "."
                                         : ": it rolls whole numbers only, from " + range + ".");
    return std::nullopt;
  }

  std::optional<AffixCost> pickedAffixCost(const PickedAffix& affix) {
    const AffixRecord& r = affix.record;
    const std::optional<std::int64_t> value = rolled(affix.value, r.effectMin, r.effectMax, affix.which);
    if (!value) return std::nullopt;
    return affixCost(r, *value);
  }

  const ItemRecords& item_;
  std::string_view separator_;
};

std::optional<GameFigures> FiguresOf::figures(const ShopLimits& limits) {
  if (item_.kind == ItemKind::Nothing) {
    reason = "There is no item to price: pick a base item, and the prefix, suffix or spell it has.";
    return std::nullopt;
  }
  if (!item_.basePrice) {
    reason = "Every item of the game has a base item: pick one.";
    return std::nullopt;
  }
  GameFigures game;
  if (item_.spell) {
    const std::optional<std::int64_t> charges =
        rolled(item_.charges, item_.spell->chargesMin, item_.spell->chargesMax, "spell's charges");
    if (!charges) return std::nullopt;
    game.chargesTerm = chargesTerm(*charges, item_.spell->chargeValue);
  }
  const std::optional<std::int64_t> baseValue = held(*item_.basePrice + game.chargesTerm, "the base value");
  if (!baseValue) return std::nullopt;
  game.baseValue = *baseValue;
  for (const auto& [picked, percent, cost] :
       {std::tuple{&item_.prefix, &game.prefixPercent, &game.prefixCost},
        std::tuple{&item_.suffix, &game.suffixPercent, &game.suffixCost}}) {
    if (!*picked) continue;
    const std::optional<AffixCost> affix = pickedAffixCost(**picked);
    if (!affix) return std::nullopt;
    *percent = affix->percent;
    *cost = affix->cost;
  }
  if (item_.prefix || item_.suffix) {
    game.multiplierSum = std::int64_t{item_.prefix ? item_.prefix->record.priceMultiplier : 0} +
                         (item_.suffix ? item_.suffix->record.priceMultiplier : 0);
    const std::optional<std::int64_t> term =
        held(baseTerm(game.multiplierSum, game.baseValue), "the base term");
    if (!term) return std::nullopt;
    game.baseTerm = *term;
    const std::optional<std::int64_t> value =
        held(magicValue(game.baseTerm, game.prefixCost.value_or(0) + game.suffixCost.value_or(0)),
             "the item's value");
    if (!value) return std::nullopt;
    game.value = *value;
  } else {
    game.value = game.baseValue;
  }
  for (const Shop shop : kShopOrder) {
    ShopFigures& at = game.shops[indexOf(shop)];
    at.limit = limits[indexOf(shop)];
    if (!sells(shop, item_.kind)) continue;
    at.asks = gameAsks(shop, game.value);
    at.stocked = game.value <= at.limit;
  }
  game.buyBack = buyBack(game.value);
  return game;
}
}  // namespace

GameOutcome gameFigures(const ItemRecords& item, const ShopLimits& limits, std::string_view separator) {
  FiguresOf figuresOf(item, separator);
  const std::optional<GameFigures> figures = figuresOf.figures(limits);
  return {figures, std::move(figuresOf.reason)};
}

}  // namespace pricewright
