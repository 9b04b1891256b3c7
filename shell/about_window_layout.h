#pragma once

#include <span>

#include "shell/layout_table.h"

namespace pricewright {

// The About window, frmAbout: the icon beside the title line, a pointer to the
// readme, a rule, the authorship and acknowledgement notes and OK.
extern const WindowSpec kAboutWindow;
std::span<const ControlSpec> aboutWindowControls();
std::span<const LineSpec> aboutWindowLines();

}  // namespace pricewright
