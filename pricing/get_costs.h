#pragma once

#include "gamedata/game_executable.h"
#include "window_interface/window.h"

namespace pricewright {

// "Get Costs": prices the described item from the selected records and the
// typed values, writes the three shops' prices and shows a note for each shop
// whose limit the price exceeds. Raises RuntimeError (Type mismatch, Overflow,
// a failed read) and stops where it failed; what it wrote before stays.
void getCosts(const OpenExecutable& executable, Window& window);

}  // namespace pricewright
