#include "pricing/game_figures.h"

#include <cmath>
#include <tuple>

#include "pricing/item_value.h"
#include "pricing/number_text.h"

namespace pricewright {

namespace {
// The figures as the game works them out, step by step; a step that finds the
// game would never price the item says why and gives nothing.
class FiguresOf {
public:
  FiguresOf(const ItemRecords& item, std::string_view separator) : item_(item), separator_(separator) {}

  std::optional<GameFigures> figures(const GameShops& shops, Players players);
  std::string reason;

private:
  // The whole value typed, where the game rolls it between `first` and `last`; `what` follows "this".
  std::optional<std::int64_t> rolled(double value, std::int32_t first, std::int32_t last,
                                     std::string_view what) {
    const Rolls can = rolls(first, last);
    const bool whole = value == std::floor(value);
    if (whole && can.holds(static_cast<std::int64_t>(value))) return static_cast<std::int64_t>(value);
    reason = "The game never rolls " + plainNumberText(value, separator_) + " for this " + std::string(what);
    if (can.count() == 1 && first != last)
      reason += ": from a range of " + std::to_string(first) + " to " + std::to_string(last) + " it rolls " +
                std::to_string(first) + " alone.";
    else
      reason += (whole ? ": its range is " : ": it rolls whole numbers only, from ") +
                std::to_string(can.low) + " to " + std::to_string(can.high) + ".";
    return std::nullopt;
  }

  std::optional<AffixCost> pickedAffixCost(const PickedAffix& affix) {
    const AffixRecord& r = affix.record;
    const std::optional<std::int64_t> value = rolled(affix.value, r.effectMin, r.effectMax, affix.which);
    if (!value) return std::nullopt;
    AffixCost cost = affixCost(r, *value, affix.which);
    if (cost.unheld) {
      reason = unheldSentence(*cost.unheld);
      return std::nullopt;
    }
    return cost;
  }

  const ItemRecords& item_;
  std::string_view separator_;
};

std::optional<GameFigures> FiguresOf::figures(const GameShops& shops, Players players) {
  if (item_.kind == ItemKind::Nothing) {
    reason = "There is no item to price: pick a base item, and the prefix, suffix or spell it has.";
    return std::nullopt;
  }
  if (!item_.base) {
    reason = "Every item of the game has a base item: pick one.";
    return std::nullopt;
  }
  if (!gameCombines(item_.spell.has_value(), item_.suffix.has_value())) {
    reason = kNoSuffixWithSpell;
    return std::nullopt;
  }
  const BaseItemRecord& base = *item_.base;
  const bool book = base.miscKind == kBook;
  ValueInputs inputs{.basePrice = base.basePrice};
  if (item_.spell && book) inputs.bookCost = item_.spell->bookCost;
  if (item_.spell && !book) {
    const std::optional<std::int64_t> charges =
        rolled(item_.charges, item_.spell->chargesMin, item_.spell->chargesMax, "spell's charges");
    if (!charges) return std::nullopt;
    inputs.charges = *charges;
    inputs.chargeValue = item_.spell->chargeValue;
  }
  GameFigures game;
  for (const auto& [picked, percent, cost] :
       {std::tuple{&item_.prefix, &game.prefixPercent, &game.prefixCost},
        std::tuple{&item_.suffix, &game.suffixPercent, &game.suffixCost}}) {
    if (!*picked) continue;
    const std::optional<AffixCost> affix = pickedAffixCost(**picked);
    if (!affix) return std::nullopt;
    *percent = affix->percent;
    *cost = affix->cost;
    inputs.costs += affix->cost;
    inputs.multiplierSum += (*picked)->record.priceMultiplier;
  }
  const bool affixes = item_.prefix || item_.suffix;
  inputs.byAffixes = affixes || (item_.spell && !book);
  const ValueSteps steps = valueSteps(inputs);
  if (const std::optional<Unheld> unheld = firstUnheld(steps)) {
    reason = unheldSentence(*unheld);
    return std::nullopt;
  }
  game.baseValue = steps.baseValue;
  game.chargesTerm = steps.chargesTerm();
  game.byAffixes = inputs.byAffixes;
  game.multiplierSum = steps.multiplierSum;
  game.baseTerm = steps.baseTerm;
  game.value = steps.value;
  for (const Shop shop : kShopOrder) {
    ShopFigures& at = game.shops[indexOf(shop)];
    at.limit = shops.limits[indexOf(shop)];
    if (!offers(shop, base, affixes, item_.spell.has_value(), players)) continue;
    at.asks = gameAsks(shops.game, shop, game.value);
    at.stocked = game.value <= at.limit;
  }
  game.buyBack = buyBack(game.value);
  return game;
}
}  // namespace

GameOutcome gameFigures(const ItemRecords& item, const GameShops& shops, Players players,
                        std::string_view separator) {
  FiguresOf figuresOf(item, separator);
  const std::optional<GameFigures> figures = figuresOf.figures(shops, players);
  return {figures, std::move(figuresOf.reason)};
}

}  // namespace pricewright
