#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/record_fields.h"

namespace pricewright {

// How the game works out an item's value, before any shop's mark-up: each
// step in its 32-bit arithmetic. The game's figures, the stock and the shops'
// odds all take the value from here. Steps are computed exactly in 64 bits;
// where the game's 32 bits would not hold a step, the step is reported rather
// than wrapped, and callers say so instead of giving a number the game would
// never reach.

// The values the game rolls between two ends: `first + random(last - first +
// 1)`, the count taken in 32 bits. A count of 0 or less (a reversed range, or
// one of 2^31 values or more) draws random(0), which is 0: `first` alone.
struct Rolls {
  std::int64_t low;
  std::int64_t high;

  constexpr std::int64_t count() const { return high - low + 1; }
  constexpr bool holds(std::int64_t value) const { return value >= low && value <= high; }
};
constexpr Rolls rolls(std::int32_t first, std::int32_t last) {
  const auto count =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(last) - static_cast<std::uint32_t>(first) + 1U);
  // cppcheck-suppress knownConditionTrueFalse ; it misses that the cast to 32 bits wraps the count
  if (count <= 0) return {first, first};
  return {first, std::int64_t{first} + count - 1};
}

// A step of the game's arithmetic whose result leaves its 32 bits.
struct Unheld {
  std::string what;    // "the base value", as a sentence names it
  std::int64_t value;  // the exact result
};
constexpr bool within32Bits(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}
// "The game cannot hold the base value, 2147483657: it is beyond the range of a 32-bit integer."
std::string unheldSentence(const Unheld& unheld);

// An affix's value add at `roll`: CostMin where the effect or the cost has
// one value; otherwise CostMin plus the cost range's share in whole percent
// of the roll's distance from EffectMin, each division toward zero.
struct AffixCost {
  std::optional<std::int64_t> percent;  // none where the cost is CostMin whatever the roll
  std::int64_t cost = 0;
  std::optional<Unheld> unheld;  // the first step the game cannot hold
};
AffixCost affixCost(const AffixRecord& affix, std::int64_t roll, std::string_view which);

// The farthest a roll may lie from EffectMin for the game to hold 100 times the distance.
inline constexpr std::int64_t kFarthestPercentDistance = std::numeric_limits<std::int32_t>::max() / 100;

// What an item's value is worked out from. A staff with a spell adds its
// charges at a fifth of the spell's ChargeValue each, toward zero, to its base
// value; a book adds its spell's book cost. A magic item, and a staff with a
// spell whether or not it got a prefix, is then worth its affixes' costs and
// what their multipliers make of the base value (a positive sum multiplies it,
// a negative one divides it toward zero, a sum of 0 leaves nothing), and never
// less than 1; any other item is worth its base value.
struct ValueInputs {
  std::int32_t basePrice = 0;
  std::int64_t charges = 0;
  std::int32_t chargeValue = 0;  // 0 where no staff's spell counts
  std::int32_t bookCost = 0;     // 0 where no book's spell counts
  bool byAffixes = false;
  std::int64_t multiplierSum = 0;
  std::int64_t costs = 0;  // the affixes' value adds together
};
inline constexpr int kChargeDivisor = 5;

// Every step the game takes, exact; `total` is the value before the floor of 1.
struct ValueSteps {
  std::int64_t chargesProduct = 0;
  std::int64_t baseValue = 0;
  std::int64_t multiplierSum = 0;
  std::int64_t baseTerm = 0;
  std::int64_t costs = 0;
  std::int64_t total = 0;
  std::int64_t value = 0;

  constexpr std::int64_t chargesTerm() const { return chargesProduct / kChargeDivisor; }
};
ValueSteps valueSteps(const ValueInputs& item);

// The first step the game cannot hold, in the order it works them; none where it holds them all.
std::optional<Unheld> firstUnheld(const ValueSteps& steps);

// The game gives an item with a spell a prefix at most: said by the figures,
// the stock and the odds alike.
constexpr bool gameCombines(bool spell, bool suffix) { return !(spell && suffix); }
inline constexpr std::string_view kNoSuffixWithSpell =
    "The game gives an item with a spell a prefix at most, never a suffix.";

}  // namespace pricewright
