#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pricing/level_draws.h"
#include "pricing/picked_item.h"
#include "pricing/shop_rules.h"
#include "pricing/shop_tables.h"

namespace pricewright {

// How likely each shop is to make an item: at each level, the chance that one
// new item the shop makes is this item at a roll it accepts. The shop draws
// again while the value exceeds its limit, so the chance is the weight of the
// draws that make the item and are accepted over that of every accepted
// draw, each draw of the base item, affixes, spell and rolls weighed as the
// game weighs it.

// The chance at one level.
struct LevelChance {
  // None where a draw the level weighs has a value beyond 32 bits, unless every draw of the item
  // itself is held and none accepted: its chance is then 0 whatever the rest.
  std::optional<double> chance;
  bool above0 = false;        // known above 0, computed or not: the item is accepted at a roll held
  Stall stall = Stall::None;  // why the shop makes no item at all there

  // Whether it is known whether the chance is above 0.
  bool known() const { return chance.has_value() || above0; }
};

// The lowest level with a chance above 0; unknown where a level below it has a chance not computed.
struct FirstLevel {
  std::optional<int> level;
  bool known = true;
};

// One maker's odds for the item.
struct MakerOdds {
  Maker maker = Maker::GriswoldBasic;
  std::vector<LevelChance> levels;  // from levelsOf(maker).lowest up
  // Griswold's basic stock and Adria: the chance that a visit's new items hold it, by shop level.
  std::vector<std::optional<double>> perVisit;
  // Griswold's premium stock: the chance that his six items hold it, by character level from 1.
  std::vector<LevelChance> perCharacterLevel;
  FirstLevel first;
  FirstLevel firstCharacterLevel;  // premium only

  const LevelChance& at(int level) const {
    return levels[static_cast<std::size_t>(level - levelsOf(maker).lowest)];
  }
};

struct ItemOdds {
  std::string unavailable;          // why no odds are given; empty where they are
  std::array<MakerOdds, 4> makers;  // in the order of kMakers

  const MakerOdds& of(Maker maker) const { return makers[indexOf(maker)]; }
};

inline constexpr std::string_view kNoOddsForExpansion =
    "The shops' odds are not given for this game: the expansion's shops make their items by other rules.";

// The item the picks name, as the odds ask after it.
OddsItem oddsItemOf(const PickedItem& picked);

// The odds of items of one open game. What every item of a level shares, the
// weight of every accepted draw, is worked out once, when first asked.
class ShopOdds {
public:
  explicit ShopOdds(ShopTables tables);

  const ShopTables& tables() const { return tables_.tables; }
  // The odds of `item` at every level of every shop; raises InvalidProcedureCall for an index outside
  // its table.
  ItemOdds odds(const OddsItem& item, Players players);

private:
  const Acceptance& acceptance(Players players, Maker maker, int level);

  OddsTables tables_;
  // By players, maker and level from the maker's lowest.
  std::array<std::array<std::vector<std::optional<Acceptance>>, 4>, 2> accepted_;
};

}  // namespace pricewright
