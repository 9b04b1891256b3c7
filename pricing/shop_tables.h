#pragma once

#include <vector>

#include "gamedata/game_records.h"
#include "gamedata/record_fields.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// Every record the shops draw from, and their limits: what the shops' odds
// are worked out from, read once per open game.
struct ShopTables {
  std::vector<AffixRecord> prefixes;
  std::vector<AffixRecord> suffixes;
  std::vector<BaseItemRecord> baseItems;
  std::vector<SpellRecord> spells;  // entry i is spell id i + 1
  GameShops shops;
};

// Reads every record of the four tables and the limits; a failed read raises its RuntimeError.
ShopTables shopTables(const GameRecords& records);

}  // namespace pricewright
