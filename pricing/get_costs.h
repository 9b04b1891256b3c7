#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "gamedata/game_executable.h"
#include "window_interface/window.h"

namespace pricewright {

// The terms of the price as "Get Costs" makes them, for the Details window:
// fractions kept, the spell priced with the prefix's multiplier alone and the
// suffix left out.
struct BoxTerms {
  std::int32_t multiplier = 0;
  double baseTerm = 0;
  std::optional<double> prefixShare;  // CostMin plus the interpolated share
  std::optional<double> suffixShare;  // none for a spell, which leaves the suffix out
  std::optional<double> chargesTerm;
  double price = 0;                 // a plain item's: its base price
  std::array<bool, 3> noteShown{};  // the "Item Not Found" notes, in the order of kShops
};

// "Get Costs": prices the described item from the selected records and the
// typed values, writes the three shops' prices and shows a note for each shop
// whose limit the price exceeds; `terms`, when given, receives how. Raises
// RuntimeError (Type mismatch, Overflow, a failed read) and stops where it
// failed; what it wrote before stays.
void getCosts(const OpenExecutable& executable, Window& window, BoxTerms* terms = nullptr);

}  // namespace pricewright
