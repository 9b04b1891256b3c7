#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "gamedata/game_records.h"
#include "gamedata/tables.h"

namespace pricewright {

// The rules of the game's shops that both the price boxes and the game's own
// figures follow, each said once.

// The kinds of item the shops tell apart.
enum class ItemKind { Nothing, Plain, Magic, Spell };
// As the shops' sayings name them: "magic items without a spell".
constexpr std::string_view kindName(ItemKind kind) {
  switch (kind) {
  case ItemKind::Plain: return "plain items";
  case ItemKind::Magic: return "magic items without a spell";
  case ItemKind::Spell: return "items with a spell";
  case ItemKind::Nothing: break;
  }
  return "nothing";
}

// Griswold sells plain and magic items, Wirt magic ones, Adria those with a spell.
constexpr bool sells(Shop shop, ItemKind kind) {
  switch (kind) {
  case ItemKind::Plain: return shop == Shop::Griswold;
  case ItemKind::Magic: return shop != Shop::Adria;
  case ItemKind::Spell: return shop == Shop::Adria;
  case ItemKind::Nothing: break;
  }
  return false;
}

// Wirt asks half as much again as the item is worth; the others ask its worth.
struct MarkUp {
  int numerator;
  int denominator;
};
constexpr MarkUp markUp(Shop shop) { return shop == Shop::Wirt ? MarkUp{3, 2} : MarkUp{1, 1}; }
// The game's price at a shop, in whole numbers toward zero: Wirt's is the value plus half of it.
constexpr std::int64_t gameAsks(Shop shop, std::int64_t value) {
  return value * markUp(shop).numerator / markUp(shop).denominator;
}

// A spell's charges count toward an item's value at a fifth of its ChargeValue each, toward zero.
inline constexpr int kChargeDivisor = 5;
constexpr std::int64_t chargesTerm(std::int64_t charges, std::int32_t chargeValue) {
  return charges * chargeValue / kChargeDivisor;
}

// An affix's cost at the whole value `value` within its range: CostMin plus
// the cost range's share in whole percent, toward zero; the percent is none
// where the cost is CostMin whatever the value.
struct AffixCost {
  std::optional<std::int64_t> percent;
  std::int64_t cost;
};
constexpr AffixCost affixCost(const AffixRecord& r, std::int64_t value) {
  if (r.effectMin == r.effectMax || r.costMin == r.costMax) return {std::nullopt, r.costMin};
  // cppcheck-suppress redundantAssignment ; a false finding on the one assignment
  const std::int64_t percent = 100 * (value - r.effectMin) / (std::int64_t{r.effectMax} - r.effectMin);
  return {percent, r.costMin + (std::int64_t{r.costMax} - r.costMin) * percent / 100};
}

// The affixes' multipliers act on the base value: a positive sum multiplies
// it, a negative one divides it, toward zero, and a sum of 0 leaves nothing.
// In 64 bits, held at its limits, for the callers to see where the game's 32 fall short.
constexpr std::int64_t baseTerm(std::int64_t multiplierSum, std::int64_t baseValue) {
  if (multiplierSum < 0) return baseValue / multiplierSum;
  std::int64_t product = 0;
  if (__builtin_mul_overflow(multiplierSum, baseValue, &product))
    return baseValue < 0 ? std::numeric_limits<std::int64_t>::min()
                         : std::numeric_limits<std::int64_t>::max();
  return product;
}
// A magic item is worth its base term and its affixes' costs, and never less than 1.
constexpr std::int64_t magicValue(std::int64_t baseTerm, std::int64_t costs) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(baseTerm, costs, &sum))
    sum = baseTerm < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
  return std::max<std::int64_t>(sum, 1);
}
// Whether the game, which keeps values in 32 bits, can hold `value`.
constexpr bool within32Bits(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}

// A shop buys an item back for a quarter of its value, and never for less than 1.
constexpr std::int64_t buyBack(std::int64_t value) { return std::max<std::int64_t>(value / 4, 1); }

// Each shop as the window shows it.
struct ShopFacts {
  Shop shop;
  std::string_view name;     // "Griswold"
  std::string_view pronoun;  // "he"
  std::string_view note;     // shown when the price is beyond the shop's limit
  std::string_view notSold;  // what the box shows for a kind the shop does not sell
};
inline constexpr std::array<ShopFacts, 3> kShops{{
    {Shop::Griswold, "Griswold", "he", "Item Not Found at Griswold's Shop", "Unavailable"},
    {Shop::Wirt, "Wirt", "he", "Item Not Found at Wirt's Shop", "Unavailable"},
    {Shop::Adria, "Adria", "she", "Item Not Found at Adria's Shop", "---"},
}};
constexpr const ShopFacts& facts(Shop shop) { return kShops[indexOf(shop)]; }

}  // namespace pricewright
