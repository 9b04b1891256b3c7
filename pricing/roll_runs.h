#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gamedata/record_fields.h"
#include "pricing/item_value.h"

namespace pricewright {

// A stretch of whole numbers; empty when `low` lies above `high`.
struct Interval {
  std::int64_t low;
  std::int64_t high;

  bool empty() const { return low > high; }
  std::uint64_t count() const { return empty() ? 0 : static_cast<std::uint64_t>(high - low) + 1; }
  bool operator==(const Interval&) const = default;
};
inline constexpr Interval kNothing{1, 0};

inline Interval meet(const Interval& a, const Interval& b) {
  return {std::max(a.low, b.low), std::min(a.high, b.high)};
}
inline Interval hull(const Interval& a, const Interval& b) {
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

// Rolls of an affix that the game prices alike: the values of one whole
// percent of its range, with their cost; `held` is false where the game's
// 32 bits cannot work the cost out.
struct Run {
  Interval values;
  std::int64_t cost = 0;
  bool held = true;
};

// Every roll the game can make of `affix`, in runs ascending by value: at
// most 101 runs that it can price, however wide the range, and one more of
// the rolls so far from EffectMin that it cannot.
std::vector<Run> affixRuns(const AffixRecord& affix);

// The charges a staff's spell rolls, as one run: their price follows their number.
Run chargeRun(const SpellRecord& spell);

}  // namespace pricewright
