#pragma once

#include <functional>
#include <string>

#include "gamedata/open_game.h"
#include "pricing/picked_item.h"
#include "pricing/shop_odds.h"
#include "shell/remembered.h"

namespace pricewright {

// The open game's shops' odds, worked out when first asked; a failed read raises its RuntimeError.
using OddsOfGame = std::function<ShopOdds&()>;

// Where the `picked` item can be bought: which shops stock which of its rolls,
// and, for the player's `settings`, from which level and how often each shop
// makes it. Before anything is picked, what to do; an item the game never
// makes, or a failed read, says so.
std::string whereToBuy(const OpenGame* game, const PickedItem& picked, const ShopSettings& settings,
                       const OddsOfGame& odds);

}  // namespace pricewright
