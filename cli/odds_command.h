#pragma once

#include <optional>
#include <string>

#include "gamedata/error.h"
#include "gamedata/open_game.h"
#include "pricing/picked_item.h"
#include "pricing/shop_odds.h"

namespace pricewright {

// What `odds` found for one item, or why it gives none.
struct OddsReport {
  GameVersion version;
  Players players = Players::Single;
  std::optional<ItemOdds> odds;
  std::optional<RuntimeError> error;
};

// The shops' odds of the item picked, over the records read from the open
// game. An item the game never makes (a spell with a suffix) or a game whose
// shops follow other rules ends in the report's error; a failed read raises
// its RuntimeError.
OddsReport oddsReport(const OpenGame& game, const PickedItem& picked, Players players);

std::string oddsJson(const OddsReport& report);
std::string oddsText(const OddsReport& report);

}  // namespace pricewright
