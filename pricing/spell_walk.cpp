#include "pricing/spell_walk.h"

namespace pricewright {

std::vector<SpellDraw> spellDraws(const std::vector<SpellRecord>& spells, Players players,
                                  SpellEligible eligible, int level) {
  // One round of the walk, in its order; the k-th eligible spell is then the
  // round's ((k - 1) mod n)-th.
  std::vector<SpellDraw> round;
  int id = 1;
  do {
    const auto entry = static_cast<std::size_t>(id - 1);
    if (entry < spells.size() && eligible(spells[entry], level))
      round.push_back({static_cast<ListIndex>(entry), 0});
    id = nextSpellId(id, players);
  } while (id != 1);
  if (round.empty()) return round;
  for (int k = 0; k < kSpellDraws; ++k) ++round[static_cast<std::size_t>(k) % round.size()].draws;
  return round;
}

}  // namespace pricewright
