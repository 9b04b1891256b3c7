#pragma once

#include <string>

#include "gamedata/game_records.h"

namespace pricewright {

// A range as the box beside its list shows it: " 21- 30", "-10--5".
std::string rangeText(const ValueRange& range);

}  // namespace pricewright
