#pragma once

#include <array>
#include <optional>
#include <string>

#include "gamedata/error.h"
#include "gamedata/game_executable.h"
#include "pricing/game_figures.h"
#include "pricing/get_costs.h"
#include "window_interface/window.h"

namespace pricewright {

// One press explained: what the window shows, how the boxes got there, and the game's figures.
struct PriceBreakdown {
  ItemRecords item;
  BoxTerms boxes;
  std::array<std::string, 3> boxTexts;  // the price boxes as they show now
  GameOutcome game;
  std::string separator;
};

// What the last press of "Get Costs" did.
struct PressOutcome {
  bool pressed = false;
  bool fileNotLoaded = false;
  std::optional<RuntimeError> error;
  std::optional<PriceBreakdown> breakdown;  // after a press that ended well
};

// Presses "Get Costs" (boxes, notes and errors unchanged) and then works out the
// breakdown beside it into `outcome`; an error of the press is kept there and raised again.
void pressGetCosts(const OpenExecutable& executable, Window& window, PressOutcome& outcome);

}  // namespace pricewright
