#pragma once

#include <string>
#include <string_view>

#include "pricing/shop_odds.h"

namespace pricewright {

// A maker as the odds name it: "Griswold (basic)".
std::string_view makerName(Maker maker);

// What a chance is of, one and many: "new item", "new items".
struct Noun {
  std::string_view one;
  std::string_view many;
};
// A chance as one in so many: "1 in 12,345 new items", "1 in 2.5 visits", "every new item".
std::string oneIn(double chance, const Noun& noun);

// A shop's odds of the item in words: from which level it can make it, and the
// best chance, such as "from character level 17; at 30, 1 in 12,345 new
// items"; "never" where no level gives a chance; with the levels where a
// chance is not computed, and those where the shop makes no item at all.
std::string oddsWords(const MakerOdds& odds);

// The same for a player: from which level the shop can make the item, and the
// chance at the player's own level, the shop level for Griswold's basic stock
// and Adria, the character level for his premium stock and Wirt: "from shop
// level 8; at shop level 14, 1 in 1,234 new items, 1 in 98 visits".
std::string oddsWordsAt(const MakerOdds& odds, int shopLevel, int characterLevel);

}  // namespace pricewright
