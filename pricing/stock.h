#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "gamedata/game_records.h"
#include "pricing/picked_item.h"
#include "pricing/roll_runs.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// A number of rolls: two affixes whose counts each stay below 2^31 make fewer than 2^62.
using RollCount = std::uint64_t;
std::string rollCountText(RollCount count);

// The item whose stock is asked after: the picked records, and the names
// their lists show.
struct StockItem {
  struct Affix {
    AffixRecord record;
    std::string name;
  };
  BaseItemRecord base;
  std::optional<Affix> prefix;
  std::optional<Affix> suffix;
  std::optional<SpellRecord> spell;

  // A spell makes a staff, an affix a magic item; a base item alone is plain.
  ItemKind kind() const;
  // A book's spell adds its book cost and rolls nothing.
  bool book() const { return spell && base.miscKind == kBook; }
};

// The item picked in the lists, read afresh; typed values and "Normal Item
// Only" play no part. Raises a RuntimeError without a base item, which every
// item of the game has, or where a read fails.
StockItem stockItem(const GameRecords& game, const PickedItem& picked);

// One dimension of the rolls: an affix's runs, a staff's charges or, for an
// item without, the one roll of nothing.
struct RollDimension {
  enum class Kind { None, Affix, Charges } kind = Kind::None;
  std::vector<Run> runs{{Interval{0, 0}, 0, true}};  // ascending
  std::string subject;                               // as a phrase begins: "King's", "of Haste"

  Interval all() const { return {runs.front().values.low, runs.back().values.high}; }
};

// What one line of rolls (one run of the outer dimension, across the inner
// one) holds for a shop.
struct LineStock {
  RollCount stocked = 0;
  Interval inner = kNothing;  // the inner values stocked
};
struct Line {
  Interval outer;
  RollCount rolls = 0;
  std::array<LineStock, 3> shops;  // in the order of kShopOrder
};

// Which rolls one shop would stock.
struct ShopStock {
  std::string notOffered;  // why the shop never makes such an item; empty where it does
  std::int32_t limit = 0;
  RollCount stocked = 0;  // offered, and the value within the limit
  std::optional<std::int64_t> highestStockedValue;

  bool offered() const { return notOffered.empty(); }
};

struct Stock {
  RollCount rolls = 0;
  RollCount unpriced = 0;        // rolls whose value the game cannot hold in 32 bits; never stocked
  std::int64_t lowestValue = 0;  // over the rolls the game prices
  std::int64_t highestValue = 0;
  std::array<ShopStock, 3> shops;  // in the order of kShopOrder
  // The rolls line by line, for saying which are stocked.
  RollDimension outer;
  RollDimension inner;
  std::vector<Line> lines;
};

// Every roll the game can make of `item` (each affix's values from
// EffectMin, and a staff's charges, as the game rolls them), its value by the
// game's rules, and per shop which rolls it stocks. Exact however wide the
// ranges: an affix costs the same over each whole percent of its range, and
// the value moves one way as the charges grow. Raises a RuntimeError for a
// spell with a suffix, which the game never makes, and Overflow when the game
// can price no roll at all.
Stock stockOf(const StockItem& item, const GameShops& shops, Players players);

// The stock of the item picked in the lists, against the shops of the open game.
Stock stockOfPicked(const GameRecords& game, const PickedItem& picked, Players players);

// Which rolls a shop stocks, in words: "King's 150 to 163 with haste at any
// value; none with King's above 163", "every roll", or why it never does.
std::string whichStocked(const Stock& stock, Shop shop);

// What a shop stocks, in words: "45 stocked, up to 2,500: Keen 21 to 26", or "does not sell staves".
std::string stockedText(const Stock& stock, Shop shop);

}  // namespace pricewright
