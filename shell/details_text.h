#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamedata/open_game.h"
#include "pricing/press.h"
#include "shell/remembered.h"
#include "shell/where_to_buy.h"

namespace pricewright {

// A label of the Details window and the text it shows.
struct LabelText {
  std::string_view label;
  std::string text;
};

// Everything the Details window shows, whatever toolkit draws it: the open
// file and its version; for the last press of "Get Costs" the table's
// columns (one line per row), the line per shop and the note (before any
// press, what to do; after an error, what failed); and where the `picked`
// item can be bought, over every roll the game can make of it, and how often
// for the player's `settings`, which also decide the game's figures.
std::vector<LabelText> detailsText(const PressOutcome& outcome, const OpenGame* game,
                                   const PickedItem& picked, const ShopSettings& settings,
                                   const OddsOfGame& odds);

// The Details window's whole text to paste into a forum post: the version
// line on top, the table's columns aligned in spaces, then the rest.
std::string detailsPlainText(const std::vector<LabelText>& labels);

// "DIABLO.EXE: Diablo 1.09 (GOG)", or that no file is open.
std::string gameFileLine(const OpenGame* game);

}  // namespace pricewright
