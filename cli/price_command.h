#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "gamedata/open_game.h"
#include "pricing/press.h"

namespace pricewright {

// What one press showed: the version of the file, the notes in order, and the
// outcome with the boxes and the game's figures.
struct PriceReport {
  GameVersion version;
  std::vector<std::string> notes;
  PressOutcome outcome;
};

// Presses "Get Costs" for `picked` on the open game, as the window would on a fresh start.
PriceReport priceItem(const OpenGame& game, const PickedItem& picked, Players players);

// The answer as JSON, without the file's "game_file", which the caller puts first.
nlohmann::ordered_json priceJson(const PriceReport& report);
std::string priceText(const PriceReport& report);

}  // namespace pricewright
