#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/option_window.h"
#include "gamedata/game_executable.h"
#include "pricing/price_breakdown.h"

namespace pricewright {

// What `price` was asked: list names ("#N" or an entry's text) and typed texts.
struct PriceRequest {
  std::optional<std::string> base;
  std::optional<std::string> prefix;
  std::optional<std::string> prefixValue;
  std::optional<std::string> suffix;
  std::optional<std::string> suffixValue;
  std::optional<std::string> spell;
  std::optional<std::string> charges;
  bool normalItemOnly = false;
};

// What one press showed: the price boxes, the notes in order, and the outcome with the game's figures.
struct PriceReport {
  std::array<std::string, 3> boxes;  // in the order of kShops
  std::vector<std::string> notes;
  PressOutcome outcome;
};

// Picks and types what `request` asks in `window` (whose lists the game file
// filled) and presses "Get Costs". A name that matches no entry, or more than
// one, raises UsageError; a Get Costs error ends up in the report.
PriceReport priceItem(const OpenExecutable& executable, OptionWindow& window, const PriceRequest& request);

std::string priceJson(const PriceReport& report);
std::string priceText(const PriceReport& report);

}  // namespace pricewright
