#pragma once

#include "window_interface/window.h"

namespace pricewright {

// "Normal Item Only" clicked, checking or unchecking: clears the affix and spell
// selections and all six boxes; the base item keeps its selection.
void plainItemChosen(Window& window);

}  // namespace pricewright
