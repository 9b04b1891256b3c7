#pragma once

#include <span>

#include "shell/layout_table.h"

namespace pricewright {

// The main window, frmMain: four columns (prefix, base item, suffix, spell),
// lists on top, value boxes below them, prices at the bottom.
extern const WindowSpec kMainWindow;
std::span<const ControlSpec> mainWindowControls();
std::span<const MenuSpec> mainWindowMenus();

}  // namespace pricewright
