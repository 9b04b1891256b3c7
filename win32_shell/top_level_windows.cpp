#include "win32_shell/top_level_windows.h"

#include <windows.h>

namespace pricewright {

namespace {
int open = 0;  // one thread runs every window
}  // namespace

void topLevelWindowCreated() { ++open; }

void topLevelWindowDestroyed() {
  if (--open == 0) PostQuitMessage(0);
}

}  // namespace pricewright
