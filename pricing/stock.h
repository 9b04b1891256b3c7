#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "gamedata/game_records.h"
#include "pricing/game_figures.h"
#include "pricing/game_rules.h"
#include "pricing/picked_item.h"

namespace pricewright {

// A number of rolls. Two affixes with 32-bit ranges make 2^64 of them, one
// more than 64 bits can count.
__extension__ using RollCount = unsigned __int128;
std::string rollCountText(RollCount count);

// The item whose stock is asked after: the picked records, and the names
// their lists show.
struct StockItem {
  struct Affix {
    AffixRecord record;
    std::string name;
  };
  std::int32_t basePrice = 0;
  std::optional<Affix> prefix;
  std::optional<Affix> suffix;
  std::optional<SpellRecord> spell;

  // A spell makes a staff, an affix a magic item; a base item alone is plain.
  ItemKind kind() const;
};

// The item picked in the lists, read afresh; typed values and "Normal Item
// Only" play no part. Raises a RuntimeError without a base item, which every
// item of the game has, or where a read fails.
StockItem stockItem(const GameRecords& game, const PickedItem& picked);

// Which rolls one shop would stock.
struct ShopStock {
  bool carried = false;  // the shop sells the kind
  std::int32_t limit = 0;
  RollCount stocked = 0;  // carried, and the value within the limit
  std::optional<std::int64_t> highestStockedValue;
  std::string which;  // the rolls stocked, in words
};

struct Stock {
  RollCount rolls = 0;
  RollCount unpriced = 0;        // rolls whose value the game cannot hold in 32 bits; never stocked
  std::int64_t lowestValue = 0;  // over the rolls the game prices
  std::int64_t highestValue = 0;
  std::array<ShopStock, 3> shops;  // in the order of kShopOrder
};

// Every roll the game can make of `item` (each affix's whole effect values
// between EffectMin and EffectMax, in either order; a spell's charges between
// ChargesMin and ChargesMax), its value by the game's rules, and per shop
// which rolls it stocks. Exact however wide the ranges: an affix costs the
// same over each whole percent of its range, and the value moves one way as
// the charges grow. Raises a RuntimeError for an item the game never makes, a
// spell with a suffix, and Overflow when the game can price no roll at all.
Stock stockOf(const StockItem& item, const ShopLimits& limits);

// The stock of the item picked in the lists, against the limits of the open game.
Stock stockOfPicked(const GameRecords& game, const PickedItem& picked);

// What a shop stocks, in words: "45 stocked, up to 2,500: Keen 21 to 26", or "does not sell plain items".
std::string stockedText(const ShopStock& shop);

// Said with every answer: what a shop needs beyond the value.
inline constexpr std::string_view kItemLevelNote =
    "A shop also needs the item level, which comes from the character's level; Pricewright does not read it.";

}  // namespace pricewright
