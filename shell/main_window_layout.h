#pragma once

#include <span>

#include "shell/layout_table.h"

namespace pricewright {

// The main window, frmMain: four columns (prefix, base item, suffix, spell),
// lists on top, value boxes below them, prices at the bottom.
extern const WindowSpec kMainWindow;
std::span<const ControlSpec> mainWindowControls();
std::span<const MenuSpec> mainWindowMenus();

// What a screen reader says of each control that takes the focus: the
// caption of its label, told apart where two labels read alike, and for a
// price box what it shows.
std::span<const AccessibleText> mainWindowAccessibleTexts();

}  // namespace pricewright
