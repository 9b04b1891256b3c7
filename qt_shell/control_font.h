#pragma once

#include <QFont>

#include "shell/layout_table.h"

namespace pricewright {

// The controls' font: "MS Sans Serif" at 8.25 points where installed, else the
// closest sans-serif at hand.
QFont controlFont(FontWeight weight);

}  // namespace pricewright
