#pragma once

#include <cstdint>
#include <vector>

#include "gamedata/record_fields.h"

namespace pricewright {

// An affix's rolls by what they cost: how many of its rolls cost at most so
// much, from its runs of equal cost, so that the rolls a shop accepts are
// counted over at most 101 costs however wide the range.
class CostSpread {
public:
  explicit CostSpread(const AffixRecord& affix);

  // Whether the game's 32 bits can work out the cost of every roll.
  bool held() const { return held_; }
  std::uint64_t rolls() const { return rolls_; }
  std::int64_t lowest() const { return costs_.front().cost; }
  std::int64_t highest() const { return costs_.back().cost; }
  // The rolls costing `most` or less.
  std::uint64_t atMost(std::int64_t most) const;

  struct Cost {
    std::int64_t cost;
    std::uint64_t rolls;   // of this cost
    std::uint64_t atMost;  // of this cost or less
  };
  // Each cost once, ascending.
  const std::vector<Cost>& costs() const { return costs_; }

  // The pairs of rolls of `a` and `b` whose costs add up to `most` or less:
  // fewer than 2^62, as each affix rolls fewer than 2^31 values.
  friend std::uint64_t pairsAtMost(const CostSpread& a, const CostSpread& b, std::int64_t most);

private:
  std::vector<Cost> costs_;
  std::uint64_t rolls_ = 0;
  bool held_ = true;
};

}  // namespace pricewright
