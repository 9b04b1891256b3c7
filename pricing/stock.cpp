#include "pricing/stock.h"

#include <algorithm>
#include <limits>

#include "gamedata/error.h"
#include "pricing/item_value.h"

namespace pricewright {

namespace {
RollDimension affixDimension(const StockItem::Affix& affix, std::string_view fallback) {
  return {RollDimension::Kind::Affix, affixRuns(affix.record),
          affix.name.empty() ? std::string(fallback) : affix.name};
}

class StockCount {
public:
  StockCount(const StockItem& item, const GameShops& shops, Players players) {
    if (item.prefix) stock_.outer = affixDimension(*item.prefix, "the prefix");
    if (item.suffix) (item.prefix ? stock_.inner : stock_.outer) = affixDimension(*item.suffix, "the suffix");
    if (item.spell && !item.book())
      stock_.inner = {RollDimension::Kind::Charges, {chargeRun(*item.spell)}, ""};
    inputs_.basePrice = item.base.basePrice;
    if (item.book()) inputs_.bookCost = item.spell->bookCost;
    if (item.spell && !item.book()) inputs_.chargeValue = item.spell->chargeValue;
    inputs_.byAffixes = item.prefix || item.suffix || (item.spell && !item.book());
    inputs_.multiplierSum = std::int64_t{item.prefix ? item.prefix->record.priceMultiplier : 0} +
                            (item.suffix ? item.suffix->record.priceMultiplier : 0);
    for (const Shop shop : kShopOrder) {
      ShopStock& at = stock_.shops[indexOf(shop)];
      at.notOffered =
          notOffered(shop, item.base, item.prefix || item.suffix, item.spell.has_value(), players);
      at.limit = shops.limits[indexOf(shop)];
    }
  }

  Stock count() {
    for (const Run& outer : stock_.outer.runs) stock_.lines.push_back(line(outer));
    if (!lowest_)
      throw RuntimeError(ErrorNumber::Overflow,
                         "The game can hold the value of no roll of this item: each is "
                         "beyond the range of a 32-bit integer.");
    stock_.lowestValue = *lowest_;
    stock_.highestValue = *highest_;
    return std::move(stock_);
  }

private:
  // The game's steps to the value of the rolls whose costs add to `costs`, with `charges` charges.
  ValueSteps stepsAt(std::int64_t costs, std::int64_t charges) const {
    ValueInputs inputs = inputs_;
    inputs.costs = costs;
    inputs.charges = charges;
    return valueSteps(inputs);
  }

  // Every roll of one outer run, across the inner dimension.
  Line line(const Run& outer) {
    Line result{outer.values, 0, {}};
    const RollCount outerCount = outer.values.count();
    const bool charges = stock_.inner.kind == RollDimension::Kind::Charges;
    for (const Run& inner : stock_.inner.runs) {
      const RollCount here = inner.values.count() * outerCount;
      result.rolls += here;
      stock_.rolls += here;
      const auto steps = [&](std::int64_t x) { return stepsAt(outer.cost + inner.cost, charges ? x : 0); };
      // Each step moves one way as the charges grow, so the rolls whose steps
      // the game can hold all lie in one stretch, found bound by bound.
      Interval priced = outer.held && inner.held ? inner.values : kNothing;
      for (const auto step : {&ValueSteps::chargesProduct, &ValueSteps::baseValue, &ValueSteps::multiplierSum,
                              &ValueSteps::baseTerm, &ValueSteps::costs, &ValueSteps::total}) {
        priced = meet(priced, whereHolds(priced, [&](std::int64_t x) {
                        return steps(x).*step >= std::numeric_limits<std::int32_t>::min();
                      }));
        priced = meet(priced, whereHolds(priced, [&](std::int64_t x) {
                        return steps(x).*step <= std::numeric_limits<std::int32_t>::max();
                      }));
      }
      stock_.unpriced += here - priced.count() * outerCount;
      if (priced.empty()) continue;
      const auto value = [&](std::int64_t x) { return steps(x).value; };
      for (const std::int64_t end : {value(priced.low), value(priced.high)}) {
        lowest_ = std::min(lowest_.value_or(end), end);
        highest_ = std::max(highest_.value_or(end), end);
      }
      for (const Shop shop : kShopOrder) {
        ShopStock& total = stock_.shops[indexOf(shop)];
        if (!total.offered()) continue;
        const Interval within =
            meet(priced, whereHolds(priced, [&](std::int64_t x) { return value(x) <= total.limit; }));
        if (within.empty()) continue;
        LineStock& stock = result.shops[indexOf(shop)];
        stock.stocked += within.count() * outerCount;
        stock.inner = hull(stock.inner, within);
        total.stocked += within.count() * outerCount;
        const std::int64_t highest = std::max(value(within.low), value(within.high));
        total.highestStockedValue = std::max(total.highestStockedValue.value_or(highest), highest);
      }
    }
    return result;
  }

  ValueInputs inputs_;
  Stock stock_;
  std::optional<std::int64_t> lowest_;
  std::optional<std::int64_t> highest_;
};
}  // namespace

std::string rollCountText(RollCount count) { return std::to_string(count); }

ItemKind StockItem::kind() const {
  if (spell) return ItemKind::Spell;
  if (prefix || suffix) return ItemKind::Magic;
  return ItemKind::Plain;
}

StockItem stockItem(const GameRecords& game, const PickedItem& picked) {
  if (!picked.picked(Table::BaseItems))
    throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                       "Every item of the game has a base item: pick one.");
  StockItem item;
  item.base = game.baseItem(picked.pick(Table::BaseItems).index);
  for (const auto& [table, affix] :
       {std::pair{Table::Prefixes, &item.prefix}, std::pair{Table::Suffixes, &item.suffix}}) {
    const ListIndex index = picked.pick(table).index;
    if (index != kNoSelection)
      *affix = StockItem::Affix{game.affix(table, index), game.entryText(table, index)};
  }
  if (picked.picked(Table::Spells)) item.spell = game.spell(picked.pick(Table::Spells).index);
  return item;
}

Stock stockOfPicked(const GameRecords& game, const PickedItem& picked, Players players) {
  return stockOf(stockItem(game, picked), gameShops(game), players);
}

Stock stockOf(const StockItem& item, const GameShops& shops, Players players) {
  if (!gameCombines(item.spell.has_value(), item.suffix.has_value()))
    throw RuntimeError(ErrorNumber::InvalidProcedureCall, std::string(kNoSuffixWithSpell));
  return StockCount(item, shops, players).count();
}

}  // namespace pricewright
