#pragma once

#include <array>
#include <string>

#include "gamedata/tables.h"
#include "pricing/game_rules.h"

namespace pricewright {

// A list's selection and, for a prefix, suffix or spell, the text typed beside it.
struct Pick {
  ListIndex index = kNoSelection;
  std::string typed;
};

// The item as the player described it: what "Get Costs" prices.
struct PickedItem {
  bool normalItemOnly = false;
  std::array<Pick, 4> picks;    // in the order of kTables
  std::string separator = ".";  // the decimal separator of typed numbers and shown prices

  const Pick& pick(Table table) const { return picks[indexOf(table)]; }
  Pick& pick(Table table) { return picks[indexOf(table)]; }
  bool picked(Table table) const { return pick(table).index != kNoSelection; }

  // A spell makes it a staff; an affix a magic item; "Normal Item Only" with a base item a plain one.
  ItemKind kind() const {
    if (picked(Table::Spells)) return ItemKind::Spell;
    if (picked(Table::Prefixes) || picked(Table::Suffixes)) return ItemKind::Magic;
    if (normalItemOnly && picked(Table::BaseItems)) return ItemKind::Plain;
    return ItemKind::Nothing;
  }
};

}  // namespace pricewright
