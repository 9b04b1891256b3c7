#pragma once

#include <vector>

#include "gamedata/record_fields.h"
#include "gamedata/tables.h"
#include "pricing/shop_rules.h"

namespace pricewright {

// A spell a staff or book can get, and in how many of the game's 37 draws.
struct SpellDraw {
  ListIndex entry;  // in the spell list: spell id entry + 1
  int draws;
};

// The spells the game's walk gives: a draw k = random(37) + 1 takes the k-th
// spell that `eligible` allows at `level`, walking the ids round from 1 and, in
// single player, stepping over the multiplayer spells; ids beyond the table are
// never eligible. Empty where no spell is eligible: the game's walk would never end.
using SpellEligible = bool (*)(const SpellRecord&, int);
std::vector<SpellDraw> spellDraws(const std::vector<SpellRecord>& spells, Players players,
                                  SpellEligible eligible, int level);

}  // namespace pricewright
