#pragma once

#include <optional>
#include <string>

#include "gamedata/game_records.h"
#include "gamedata/open_game.h"
#include "window_interface/window.h"

namespace pricewright {

// A range as the box beside its list shows it: " 21- 30", "-10--5".
std::string rangeText(const ValueRange& range);

// An entry picked in `list`. A prefix, suffix or spell writes its value range
// into the box beside the list, read afresh from the open game; with no
// selection, or no file, the box is emptied. A base item shows nothing.
void listPicked(const ListBox& list, const std::optional<OpenGame>& game, Window& window);

}  // namespace pricewright
