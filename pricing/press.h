#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "gamedata/open_game.h"
#include "pricing/game_figures.h"
#include "pricing/get_costs.h"

namespace pricewright {

// One press explained: how the boxes got their prices, and the game's figures.
struct PriceBreakdown {
  ItemRecords item;
  BoxTerms boxes;
  GameOutcome game;
  std::string separator;
  bool limitsFromFile = true;  // false where the layout gives the game's own
  GameShops shops;             // the limits as read, for the figures of another game of players
};

// What a press of "Get Costs" did.
struct PressOutcome {
  bool pressed = false;
  bool fileNotLoaded = false;
  std::vector<Shown> shown;
  std::array<std::string, 3> boxTexts;  // the price boxes after the press, in the order of kShopOrder
  std::optional<RuntimeError> error;
  std::optional<PriceBreakdown> breakdown;  // after a press that ended well
};

// "Get Costs" on the open game for `picked`, with the game's figures beside it
// from the same reads, for a game of `players`. `boxes` are the price boxes'
// texts before the press.
PressOutcome press(const OpenGame* game, const PickedItem& picked, std::array<std::string, 3> boxes,
                   Players players = Players::Single);

}  // namespace pricewright
