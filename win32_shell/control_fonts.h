#pragma once

#include <windows.h>

#include "shell/layout_table.h"

namespace pricewright {

// The controls' font, "MS Sans Serif" at 8.25 points (its TrueType successor
// where the bitmap font is missing, else Tahoma), made once per weight and dpi.
HFONT controlFont(FontWeight weight, UINT dpi);

}  // namespace pricewright
