#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "pricing/cost_spread.h"
#include "pricing/shop_tables.h"
#include "pricing/spell_walk.h"

namespace pricewright {

// An item as the shops' odds ask after it: its records by list index. A
// book's spell plays no part: the odds of a book are those of its base item.
struct OddsItem {
  ListIndex base = 0;
  std::optional<ListIndex> prefix;
  std::optional<ListIndex> suffix;
  std::optional<ListIndex> spell;
};

// The tables, with each affix's rolls by cost.
struct OddsTables {
  explicit OddsTables(ShopTables read);

  ShopTables tables;
  std::vector<CostSpread> prefixCosts;
  std::vector<CostSpread> suffixCosts;
};

// Why a shop never finishes a new item at a level: it would draw from an
// empty pool of base items, walk the spells for ever, or draw again for ever.
enum class Stall { None, NoBaseItem, NoSpell, NothingAccepted };

// Over a level's draws, the weight of those the shop accepts: of every item or
// of one. Each draw weighs its share of the draws from the pool (a base item
// as often as it stands in the pool), of the affixes, spells and rolls.
struct Weighed {
  long double accepted = 0;
  bool unheld = false;  // some draw weighed has a value the game's 32 bits cannot hold
};

// Base items drawn alike but for their price: each price, ascending, and how
// often base items of that price stand in the pool.
struct Priced {
  std::int32_t price;
  long double entries;
};
using Prices = std::vector<Priced>;

// The affixes an item of one flag is drawn from at a level.
struct AffixPools {
  std::vector<std::pair<ListIndex, int>> prefixes;  // with how often each stands in the pool
  int prefixEntries = 0;
  std::vector<ListIndex> suffixes;                          // before the alignment test
  std::map<std::int32_t, std::vector<ListIndex>> agreeing;  // by the chosen prefix's alignment
  const std::vector<ListIndex>& suffixesWith(const std::vector<AffixRecord>& records, std::int32_t alignment);
};

// What a level gives every item: its accepted weight, or why it gives none.
struct Acceptance {
  Weighed weighed;
  Stall stall = Stall::None;
};

// One maker's draws at one level, as the game makes a new item: a base item
// from the pool, then its affixes, spell and rolls, each drawn fairly.
class LevelDraws {
public:
  LevelDraws(const OddsTables& tables, Players players, Maker maker, int level);

  // Every draw of the level.
  Acceptance acceptance();
  // The draws that make `item`.
  Weighed weigh(const OddsItem& item);

private:
  using Target = const OddsItem*;  // the item asked after, or every item where null

  // How often `base` stands in the pool: 0 where the maker never draws it at this level.
  int entries(ListIndex base) const;
  // The draws of base items made alike, of `prices`.
  Weighed draws(Making making, std::int32_t flag, const Prices& prices, Target only);
  Weighed affixDraws(std::int32_t flag, const Prices& prices, Target only);
  Weighed spellStaffDraws(const Prices& prices, Target only);
  Weighed bookDraws(const Prices& prices);
  AffixPools& pools(std::int32_t flag);
  const AffixPools& spellStaffPrefixes();
  const std::vector<SpellDraw>& staffSpells();
  const std::vector<SpellDraw>& bookSpells();

  const OddsTables& tables_;
  Players players_;
  Maker maker_;
  int level_;
  std::int32_t limit_;
  LevelWindow window_;                        // of the affixes' minimum levels
  std::map<std::int32_t, AffixPools> pools_;  // by flag
  std::optional<std::vector<SpellDraw>> staffSpells_;
  std::optional<std::vector<SpellDraw>> bookSpells_;
  std::optional<AffixPools> spellStaffPrefixes_;  // its prefixes alone
};

}  // namespace pricewright
