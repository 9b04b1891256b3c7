#pragma once

#include <windows.h>

#include <span>

#include "shell/layout_table.h"
#include "shell/main_window_layout.h"

namespace pricewright {

// Gives each control of `texts` its name and description for screen readers.
// Left alone, a reader names a box after the label before it, and both effect
// value boxes follow an "Effect Value". Needs COM on the calling thread; where
// the system keeps no such names, the labels' own still speak.
void nameControls(HWND parent, std::span<const ControlSpec> controls, std::span<const AccessibleText> texts);

}  // namespace pricewright
