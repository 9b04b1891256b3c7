#pragma once

#include "gamedata/game_executable.h"
#include "window_interface/window.h"

namespace pricewright {

// An entry picked in `list`. A prefix, suffix or spell writes its value range
// into the box beside the list, read afresh from the open executable: " 21- 30",
// "-10--5"; with no selection, or no file, the box is emptied. A base item
// shows nothing.
void listPicked(const ListBox& list, const OpenExecutable& executable, Window& window);

}  // namespace pricewright
