#pragma once

#include <nlohmann/json.hpp>

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

// The shops' odds of the item picked, from the odds of the open game's
// records. An item the game never makes (a spell with a suffix) or a game
// whose shops follow other rules ends in the report's error.
OddsReport oddsReport(const GameVersion& version, ShopOdds& odds, const PickedItem& picked, Players players);

// The answer as JSON, without the file's "game_file", which the caller puts first.
nlohmann::ordered_json oddsJson(const OddsReport& report);
std::string oddsText(const OddsReport& report);

}  // namespace pricewright
