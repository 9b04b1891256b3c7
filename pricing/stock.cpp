#include "pricing/stock.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "gamedata/error.h"
#include "gamedata/name_text.h"
#include "pricing/number_text.h"

namespace pricewright {

namespace {
// A stretch of whole numbers; empty when `low` lies above `high`.
struct Interval {
  std::int64_t low;
  std::int64_t high;

  bool empty() const { return low > high; }
  RollCount count() const { return empty() ? 0 : static_cast<RollCount>(high - low) + 1; }
  bool operator==(const Interval&) const = default;
};
constexpr Interval kNothing{1, 0};

Interval meet(const Interval& a, const Interval& b) {
  return {std::max(a.low, b.low), std::min(a.high, b.high)};
}
Interval hull(const Interval& a, const Interval& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

// Where `holds` is true within `range`, for a predicate that, moving along
// the range, changes its answer at most once: found by bisection.
template <typename Holds> Interval whereHolds(const Interval& range, Holds holds) {
  if (range.empty()) return range;
  const bool first = holds(range.low);
  const bool last = holds(range.high);
  if (first == last) return first ? range : kNothing;
  std::int64_t same = range.low;  // holds as at the first
  std::int64_t other = range.high;
  while (other - same > 1) {
    const std::int64_t middle = same + (other - same) / 2;
    (holds(middle) == first ? same : other) = middle;
  }
  return first ? Interval{range.low, same} : Interval{other, range.high};
}

// Values of one dimension of the rolls that the game prices alike: an
// affix's values of one whole percent, or all of a spell's charge counts,
// whose price follows their number.
struct Segment {
  Interval values;
  std::int64_t cost = 0;
};

// One dimension of the rolls: an affix's values, a spell's charges or, for
// an item without, the one roll of nothing.
struct Dimension {
  enum class Kind { None, Affix, Charges } kind = Kind::None;
  std::vector<Segment> segments{{Interval{0, 0}, 0}};  // ascending
  std::string subject;                                 // as a phrase begins: "King's", "of Haste"
  std::string with;                                    // as it follows "with": "haste"

  Interval all() const { return {segments.front().values.low, segments.back().values.high}; }
};

std::string lowercaseWithout(const std::string& name, std::string_view prefix) {
  std::string lower = lowercased(name);
  return lower.starts_with(prefix) ? lower.substr(prefix.size()) : lower;
}

// The affix's values in runs of one whole percent of its range each: at most
// 101 runs, however wide the range, ascending by value.
Dimension affixDimension(const StockItem::Affix& affix, std::string_view fallback) {
  const AffixRecord& r = affix.record;
  Dimension dimension{
      Dimension::Kind::Affix, {}, affix.name.empty() ? std::string(fallback) : affix.name, ""};
  dimension.with = lowercaseWithout(dimension.subject, "of ");
  const std::int64_t low = std::min(r.effectMin, r.effectMax);
  const std::int64_t high = std::max(r.effectMin, r.effectMax);
  if (affixCost(r, r.effectMin).percent == std::nullopt) {
    dimension.segments.push_back({{low, high}, r.costMin});
    return dimension;
  }
  // The percent of a value is 100 x its distance from EffectMin over the
  // range's width, toward zero: distances from ceil(pw / 100) on have percent p.
  const std::int64_t width = high - low;
  const auto firstAt = [&](std::int64_t percent) { return (percent * width + 99) / 100; };
  const std::int64_t direction = r.effectMax > r.effectMin ? 1 : -1;
  for (std::int64_t percent = 0; percent <= 100; ++percent) {
    const std::int64_t near = firstAt(percent);
    const std::int64_t far = percent == 100 ? width : firstAt(percent + 1) - 1;
    if (near > far) continue;
    const std::int64_t from = r.effectMin + direction * near;
    const std::int64_t to = r.effectMin + direction * far;
    dimension.segments.push_back({{std::min(from, to), std::max(from, to)}, affixCost(r, from).cost});
  }
  std::ranges::sort(dimension.segments, {}, [](const Segment& s) { return s.values.low; });
  return dimension;
}

Dimension chargesDimension(const SpellRecord& spell) {
  const std::int64_t low = std::min(spell.chargesMin, spell.chargesMax);
  const std::int64_t high = std::max(spell.chargesMin, spell.chargesMax);
  return {Dimension::Kind::Charges, {{{low, high}, 0}}, "", "charges"};
}

// "150 to 163", or "150" alone.
std::string span(const Interval& values) {
  return std::to_string(values.low) + (values.low == values.high ? "" : " to " + std::to_string(values.high));
}

// Inner values in words: "5 to 9", or "5 to 9 charges".
std::string innerSpan(const Dimension& inner, const Interval& values) {
  return span(values) + (inner.kind == Dimension::Kind::Charges ? " charges" : "");
}

// The stocked stretch of the inner dimension, after "with".
std::string withPhrase(const Dimension& inner, const Interval& stocked) {
  if (stocked == inner.all())
    return inner.kind == Dimension::Kind::Charges ? "any number of charges" : inner.with + " at any value";
  return (inner.kind == Dimension::Kind::Charges ? "" : inner.with + " ") + innerSpan(inner, stocked);
}

// What one line of rolls (one run of the outer dimension, across the inner
// one) holds for a shop.
struct LineStock {
  RollCount stocked = 0;
  Interval inner = kNothing;  // the inner values stocked
};

struct Line {
  Interval outer;
  RollCount rolls = 0;
  std::array<LineStock, 3> shops;
};

// Lines of rolls alike for a shop, in a stretch of the outer dimension: none
// stocked, all, or some, the inner values stocked at the stretch's first and last line.
struct Stretch {
  Interval outer;
  bool any;
  Interval firstInner;
  Interval lastInner;
};

// A stretch in words: "King's 150 to 163 with haste at any value", "none with King's above 163".
std::string stretchPhrase(const Dimension& outer, const Dimension& inner, const Stretch& stretch, bool first,
                          bool last) {
  if (!stretch.any) {
    const std::string lead = outer.subject.starts_with("of ") ? "none " : "none with ";
    if (first == last) return lead + outer.subject + " " + span(stretch.outer);
    return lead + outer.subject +
           (last ? " above " + std::to_string(stretch.outer.low - 1)
                 : " below " + std::to_string(stretch.outer.high + 1));
  }
  std::string phrase = outer.subject + " " + span(stretch.outer);
  if (inner.kind == Dimension::Kind::None) return phrase;
  if (stretch.firstInner == stretch.lastInner)
    return phrase + " with " + withPhrase(inner, stretch.firstInner);
  const bool narrowing = stretch.lastInner.count() < stretch.firstInner.count();
  return phrase + " with " + withPhrase(inner, stretch.firstInner) + " at " + outer.subject + " " +
         std::to_string(stretch.outer.low) + (narrowing ? ", narrowing to " : ", widening to ") +
         innerSpan(inner, stretch.lastInner) + " at " + outer.subject + " " +
         std::to_string(stretch.outer.high);
}

// The charges stocked, where the spell is all there is to roll: "none with fewer than 12 charges; 12 to 40
// charges".
std::string chargesPhrases(const Interval& all, const Interval& stocked) {
  std::string phrases;
  if (stocked.low > all.low) phrases = "none with fewer than " + std::to_string(stocked.low) + " charges; ";
  phrases += span(stocked) + " charges";
  if (stocked.high < all.high)
    phrases += "; none with more than " + std::to_string(stocked.high) + " charges";
  return phrases;
}

class StockCount {
public:
  StockCount(const StockItem& item, const ShopLimits& limits) : item_(item), kind_(item.kind()) {
    if (item.prefix) outer_ = affixDimension(*item.prefix, "the prefix");
    if (item.suffix) (item.prefix ? inner_ : outer_) = affixDimension(*item.suffix, "the suffix");
    if (item.spell) inner_ = chargesDimension(*item.spell);
    multiplierSum_ = std::int64_t{item.prefix ? item.prefix->record.priceMultiplier : 0} +
                     (item.suffix ? item.suffix->record.priceMultiplier : 0);
    for (const Shop shop : kShopOrder) {
      ShopStock& at = stock_.shops[indexOf(shop)];
      at.carried = sells(shop, kind_);
      at.limit = limits[indexOf(shop)];
    }
  }

  Stock count() {
    std::vector<Line> lines(outer_.segments.size());
    std::ranges::transform(outer_.segments, lines.begin(),
                           [this](const Segment& outer) { return line(outer); });
    if (!lowest_)
      throw RuntimeError(ErrorNumber::Overflow,
                         "The game can hold the value of no roll of this item: each is "
                         "beyond the range of a 32-bit integer.");
    stock_.lowestValue = *lowest_;
    stock_.highestValue = *highest_;
    for (const Shop shop : kShopOrder) describe(shop, lines);
    return stock_;
  }

private:
  // The steps to a roll's value: the base value (base price and charges),
  // what the multipliers make of it, and the value. As the inner value grows,
  // each step moves one way, though not all the same way.
  struct Steps {
    std::int64_t baseValue;
    std::int64_t term;
    std::int64_t value;
  };
  Steps steps(std::int64_t costs, std::int64_t charges) const {
    const std::int64_t baseValue =
        item_.basePrice + (item_.spell ? chargesTerm(charges, item_.spell->chargeValue) : 0);
    if (!item_.prefix && !item_.suffix) return {baseValue, baseValue, baseValue};
    const std::int64_t term = baseTerm(multiplierSum_, baseValue);
    return {baseValue, term, magicValue(term, costs)};
  }

  // Every roll of one outer run, across the inner dimension.
  Line line(const Segment& outer) {
    Line result{outer.values, 0, {}};
    const RollCount outerCount = outer.values.count();
    for (const Segment& inner : inner_.segments) {
      const bool charges = inner_.kind == Dimension::Kind::Charges;
      const auto stepsAt = [&](std::int64_t x) { return steps(outer.cost + inner.cost, charges ? x : 0); };
      // The game holds every step in 32 bits: each bound on each step holds
      // over one end of the range, so the rolls it can price lie in one stretch.
      Interval priced = inner.values;
      for (const auto step : {&Steps::baseValue, &Steps::term, &Steps::value}) {
        priced = meet(priced, whereHolds(inner.values, [&](std::int64_t x) {
                        return stepsAt(x).*step >= std::numeric_limits<std::int32_t>::min();
                      }));
        priced = meet(priced, whereHolds(inner.values, [&](std::int64_t x) {
                        return stepsAt(x).*step <= std::numeric_limits<std::int32_t>::max();
                      }));
      }
      const RollCount rolls = inner.values.count() * outerCount;
      result.rolls += rolls;
      stock_.rolls += rolls;
      stock_.unpriced += rolls - priced.count() * outerCount;
      if (priced.empty()) continue;
      const auto value = [&](std::int64_t x) { return stepsAt(x).value; };
      for (const std::int64_t end : {value(priced.low), value(priced.high)}) {
        lowest_ = std::min(lowest_.value_or(end), end);
        highest_ = std::max(highest_.value_or(end), end);
      }
      for (const Shop shop : kShopOrder) {
        ShopStock& total = stock_.shops[indexOf(shop)];
        if (!total.carried) continue;
        const Interval within =
            meet(priced, whereHolds(inner.values, [&](std::int64_t x) { return value(x) <= total.limit; }));
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

  void describe(Shop shop, const std::vector<Line>& lines) {
    ShopStock& total = stock_.shops[indexOf(shop)];
    if (!total.carried) {
      total.which = "does not sell " + std::string(kindName(kind_));
    } else if (total.stocked == stock_.rolls) {
      total.which = "every roll";
    } else if (total.stocked == 0) {
      total.which = "no roll: the lowest value, " + groupedNumber(stock_.lowestValue) + ", is above " +
                    groupedNumber(total.limit);
    } else if (outer_.kind == Dimension::Kind::None) {
      total.which = chargesPhrases(inner_.all(), lines.front().shops[indexOf(shop)].inner);
    } else {
      total.which = stretchPhrases(shop, lines);
    }
  }

  // Runs of the outer dimension make one phrase each where they stock alike:
  // none, all, or some of the inner values, which may narrow from line to line.
  std::string stretchPhrases(Shop shop, const std::vector<Line>& lines) const {
    std::vector<Stretch> stretches;
    for (const Line& each : lines) {
      const LineStock& stock = each.shops[indexOf(shop)];
      const bool any = stock.stocked != 0;
      const Interval inner = stock.stocked == each.rolls ? inner_.all() : stock.inner;
      const bool all = inner == inner_.all();
      const auto joins = [&](const Stretch& s) {
        return s.any == any && (!any || (s.firstInner == inner_.all()) == all);
      };
      if (!stretches.empty() && joins(stretches.back())) {
        stretches.back().outer.high = each.outer.high;
        stretches.back().lastInner = inner;
      } else {
        stretches.push_back({each.outer, any, inner, inner});
      }
    }
    std::string phrases;
    for (std::size_t s = 0; s < stretches.size(); ++s)
      phrases +=
          (s ? "; " : "") + stretchPhrase(outer_, inner_, stretches[s], s == 0, s + 1 == stretches.size());
    return phrases;
  }

  const StockItem& item_;
  ItemKind kind_;
  Dimension outer_;
  Dimension inner_;
  std::int64_t multiplierSum_ = 0;
  Stock stock_;
  std::optional<std::int64_t> lowest_;
  std::optional<std::int64_t> highest_;
};
}  // namespace

std::string rollCountText(RollCount count) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(count % 10)));
    count /= 10;
  } while (count != 0);
  return digits;
}

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
  item.basePrice = game.baseItem(picked.pick(Table::BaseItems).index).basePrice;
  for (const auto& [table, affix] :
       {std::pair{Table::Prefixes, &item.prefix}, std::pair{Table::Suffixes, &item.suffix}}) {
    const ListIndex index = picked.pick(table).index;
    if (index != kNoSelection)
      *affix = StockItem::Affix{game.affix(table, index), game.entryText(table, index)};
  }
  if (picked.picked(Table::Spells)) item.spell = game.spell(picked.pick(Table::Spells).index);
  return item;
}

Stock stockOfPicked(const GameRecords& game, const PickedItem& picked) {
  ShopLimits limits{};
  for (const Shop shop : kShopOrder) limits[indexOf(shop)] = game.limit(shop);
  return stockOf(stockItem(game, picked), limits);
}

std::string stockedText(const ShopStock& shop) {
  if (!shop.carried) return shop.which;
  return rollCountText(shop.stocked) + " stocked" +
         (shop.highestStockedValue ? ", up to " + groupedNumber(*shop.highestStockedValue) : "") + ": " +
         shop.which;
}

Stock stockOf(const StockItem& item, const ShopLimits& limits) {
  if (item.spell && item.suffix)
    throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                       "The game gives an item with a spell a prefix at most, never a suffix.");
  return StockCount(item, limits).count();
}

}  // namespace pricewright
