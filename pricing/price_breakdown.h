#pragma once

#include <array>
#include <optional>
#include <string>

#include "gamedata/error.h"
#include "gamedata/game_executable.h"
#include "pricing/game_figures.h"
#include "window_interface/window.h"

namespace pricewright {

// The terms of the price as the boxes' formula makes them: fractions kept, the
// spell priced with the prefix's multiplier alone and the suffix left out.
struct BoxTerms {
  std::int32_t multiplier = 0;
  double baseTerm = 0;
  std::optional<double> prefixShare;  // CostMin plus the interpolated share
  std::optional<double> suffixShare;  // none for a spell, which leaves the suffix out
  std::optional<double> chargesTerm;
  double price = 0;
  std::array<bool, 3> noteShown{};  // the "Item Not Found" notes, in the order of kShops
};

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
