#pragma once

namespace pricewright {

// The program ends when its last top-level window is gone: an About window
// left open keeps it, and the game file, alive after the main window closes.
void topLevelWindowCreated();
void topLevelWindowDestroyed();

}  // namespace pricewright
