#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pricewright {

// The game's own pricing of an item, beside the boxes' long-standing formula:
// whole percent, whole numbers, the charges in the base value, a floor of 1.

// Which shops carry an item, as the price boxes show it: a plain item only
// Griswold, a magic item Griswold and Wirt, an item with a spell only Adria.
enum class ItemKind { Nothing, Plain, Magic, Spell };

struct AffixRecord {
  std::int32_t effectMin = 0;
  std::int32_t effectMax = 0;
  std::int32_t costMin = 0;
  std::int32_t costMax = 0;
  std::int32_t priceMultiplier = 0;
};

struct SpellRecord {
  std::int32_t chargesMin = 0;
  std::int32_t chargesMax = 0;
  std::int32_t chargeValue = 0;
};

// An affix as picked, with the typed effect value.
struct PickedAffix {
  std::string_view which;  // "prefix" or "suffix", for the reasons
  AffixRecord record;
  double value = 0;
};

// Everything the game's rules need: the records read and the values typed.
struct ItemRecords {
  ItemKind kind = ItemKind::Nothing;
  std::optional<std::int32_t> basePrice;  // none without a base item
  std::optional<PickedAffix> prefix;
  std::optional<PickedAffix> suffix;
  std::optional<SpellRecord> spell;
  double charges = 0;
};

// What one shop makes of the item; `asks` is empty where it does not carry the kind.
struct ShopFigures {
  std::int32_t limit = 0;
  std::optional<std::int64_t> asks;
  bool stocked = false;  // carried, and the value within the limit
};

struct GameFigures {
  std::int64_t baseValue = 0;
  std::int64_t chargesTerm = 0;  // charges x ChargeValue / 5, in the base value
  std::optional<std::int64_t> prefixPercent;
  std::optional<std::int64_t> prefixCost;
  std::optional<std::int64_t> suffixPercent;
  std::optional<std::int64_t> suffixCost;
  std::int64_t multiplierSum = 0;
  std::int64_t baseTerm = 0;  // what the multiplier makes of the base value
  std::int64_t value = 0;
  std::array<ShopFigures, 3> shops;  // in the order of kShops
  std::int64_t buyBack = 0;
};

// The game's figures, or the sentence saying why the game would never price
// this item ("The game never rolls 200 for this prefix: its range is 151 to 175.").
struct GameOutcome {
  std::optional<GameFigures> figures;
  std::string unavailable;
};

// `limits` in the order of kShops; `separator` writes typed fractions in reasons.
GameOutcome gameFigures(const ItemRecords& item, const std::array<std::int32_t, 3>& limits,
                        std::string_view separator);

// The shop's price for a value: Wirt marks it up by half.
std::int64_t shopAsks(std::size_t shop, std::int64_t value);

}  // namespace pricewright
