#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "gamedata/error.h"
#include "gamedata/open_game.h"
#include "pricing/stock.h"

namespace pricewright {

// What `stock` found for one item, or why the game would never make it.
struct StockReport {
  GameVersion version;
  std::optional<Stock> stock;
  std::optional<RuntimeError> error;
};

// The stock of the item picked; an item the game never makes or can price no
// roll of ends in the report's error. A failed read raises its RuntimeError.
StockReport stockReport(const OpenGame& game, const PickedItem& picked, Players players);

// The answer as JSON, without the file's "game_file", which the caller puts first.
nlohmann::ordered_json stockJson(const StockReport& report);
std::string stockText(const StockReport& report);

}  // namespace pricewright
