#pragma once

#include "gamedata/game_executable.h"
#include "gamedata/window.h"

namespace pricewright {

// Picking a prefix, suffix or spell writes its value range into the box beside
// the list, read afresh from the open executable: " 21- 30", "-10--5". With no
// selection the box is emptied.
void prefixSelected(const OpenExecutable& executable, Window& window);
void suffixSelected(const OpenExecutable& executable, Window& window);
void spellSelected(const OpenExecutable& executable, Window& window);

// "Normal Item Only" clicked, checking or unchecking: clears the affix and spell
// selections and all six boxes; the base item keeps its selection.
void plainItemChosen(Window& window);

}  // namespace pricewright
