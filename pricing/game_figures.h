#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/record_fields.h"
#include "pricing/game_rules.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// The game's own pricing of an item, beside the boxes' long-standing formula:
// whole percent, whole numbers, the charges in the base value, a floor of 1,
// and only the shops that ever make such an item.

// An affix as picked, with the typed effect value.
struct PickedAffix {
  std::string_view which;  // "prefix" or "suffix", for the reasons
  AffixRecord record;
  double value;
};

// Everything the game's rules need: the records read and the values typed.
struct ItemRecords {
  ItemKind kind = ItemKind::Nothing;
  std::optional<BaseItemRecord> base;  // none without a base item
  std::optional<PickedAffix> prefix;
  std::optional<PickedAffix> suffix;
  std::optional<SpellRecord> spell;
  double charges = 0;
};

// What one shop makes of the item; `asks` is empty where it never makes such an item.
struct ShopFigures {
  std::int32_t limit = 0;
  std::optional<std::int64_t> asks;
  bool stocked = false;  // made, and the value within the limit
};

struct GameFigures {
  std::int64_t baseValue = 0;
  std::int64_t chargesTerm = 0;  // charges x ChargeValue / 5, in the base value
  std::optional<std::int64_t> prefixPercent;
  std::optional<std::int64_t> prefixCost;
  std::optional<std::int64_t> suffixPercent;
  std::optional<std::int64_t> suffixCost;
  bool byAffixes = false;  // valued by the affixes' multipliers and costs
  std::int64_t multiplierSum = 0;
  std::int64_t baseTerm = 0;  // what the multiplier makes of the base value
  std::int64_t value = 0;
  std::array<ShopFigures, 3> shops;  // in the order of kShopOrder
  std::int64_t buyBack = 0;
};

// The game's figures, or the sentence saying why the game would never price
// this item ("The game never rolls 200 for this prefix: its range is 151 to 175.").
struct GameOutcome {
  std::optional<GameFigures> figures;
  std::string unavailable;
};

// `separator` writes typed fractions in reasons.
GameOutcome gameFigures(const ItemRecords& item, const GameShops& shops, Players players,
                        std::string_view separator);

}  // namespace pricewright
