#include <vector>

#include "gamedata/name_text.h"
#include "pricing/number_text.h"
#include "pricing/stock.h"

namespace pricewright {

namespace {
using Kind = RollDimension::Kind;

// "150 to 163", or "150" alone.
std::string span(const Interval& values) {
  return std::to_string(values.low) + (values.low == values.high ? "" : " to " + std::to_string(values.high));
}

// Inner values in words: "5 to 9", or "5 to 9 charges".
std::string innerSpan(const RollDimension& inner, const Interval& values) {
  return span(values) + (inner.kind == Kind::Charges ? " charges" : "");
}

// An affix as it follows "with": "haste" for "of Haste".
std::string withWord(const RollDimension& dimension) {
  std::string lower = lowercased(dimension.subject);
  return lower.starts_with("of ") ? lower.substr(3) : lower;
}

// The stocked stretch of the inner dimension, after "with".
std::string withPhrase(const RollDimension& inner, const Interval& stocked) {
  if (stocked == inner.all())
    return inner.kind == Kind::Charges ? "any number of charges" : withWord(inner) + " at any value";
  return (inner.kind == Kind::Charges ? "" : withWord(inner) + " ") + innerSpan(inner, stocked);
}

// Lines of rolls alike for a shop, in a stretch of the outer dimension: none
// stocked, all, or some, the inner values stocked at the stretch's first and last line.
struct Stretch {
  Interval outer;
  bool any;
  Interval firstInner;
  Interval lastInner;
};

// A stretch in words: "King's 150 to 163 with haste at any value", "none with King's above 163".
std::string stretchPhrase(const RollDimension& outer, const RollDimension& inner, const Stretch& stretch,
                          bool first, bool last) {
  if (!stretch.any) {
    const std::string lead = outer.subject.starts_with("of ") ? "none " : "none with ";
    if (first == last) return lead + outer.subject + " " + span(stretch.outer);
    return lead + outer.subject +
           (last ? " above " + std::to_string(stretch.outer.low - 1)
                 : " below " + std::to_string(stretch.outer.high + 1));
  }
  std::string phrase = outer.subject + " " + span(stretch.outer);
  if (inner.kind == Kind::None) return phrase;
  if (stretch.firstInner == stretch.lastInner)
    return phrase + " with " + withPhrase(inner, stretch.firstInner);
  const bool narrowing = stretch.lastInner.count() < stretch.firstInner.count();
  return phrase + " with " + withPhrase(inner, stretch.firstInner) + " at " + outer.subject + " " +
         std::to_string(stretch.outer.low) + (narrowing ? ", narrowing to " : ", widening to ") +
         innerSpan(inner, stretch.lastInner) + " at " + outer.subject + " " +
         std::to_string(stretch.outer.high);
}

// Runs of the outer dimension make one phrase each where they stock alike:
// none, all, or some of the inner values, which may narrow from line to line.
std::string stretchPhrases(const Stock& stock, Shop shop) {
  const Interval allInner = stock.inner.all();
  std::vector<Stretch> stretches;
  for (const Line& each : stock.lines) {
    const LineStock& at = each.shops[indexOf(shop)];
    const bool any = at.stocked != 0;
    const Interval inner = at.stocked == each.rolls ? allInner : at.inner;
    const bool all = inner == allInner;
    const auto joins = [&](const Stretch& s) {
      return s.any == any && (!any || (s.firstInner == allInner) == all);
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
    phrases += (s ? "; " : "") +
               stretchPhrase(stock.outer, stock.inner, stretches[s], s == 0, s + 1 == stretches.size());
  return phrases;
}
}  // namespace

std::string whichStocked(const Stock& stock, Shop shop) {
  const ShopStock& at = stock.shops[indexOf(shop)];
  if (!at.offered()) return at.notOffered;
  if (at.stocked == stock.rolls) return "every roll";
  if (at.stocked == 0)
    return "no roll: the lowest value, " + groupedNumber(stock.lowestValue) + ", is above " +
           groupedNumber(at.limit);
  return stretchPhrases(stock, shop);
}

std::string stockedText(const Stock& stock, Shop shop) {
  const ShopStock& at = stock.shops[indexOf(shop)];
  if (!at.offered()) return at.notOffered;
  return rollCountText(at.stocked) + " stocked" +
         (at.highestStockedValue ? ", up to " + groupedNumber(*at.highestStockedValue) : "") + ": " +
         whichStocked(stock, shop);
}

}  // namespace pricewright
