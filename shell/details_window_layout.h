#pragma once

#include <span>
#include <string_view>

#include "shell/layout_table.h"

namespace pricewright {

// The Details window, frmDetails: the open file and its version, the terms of
// the last price in columns (the term, the boxes' figure, the game's, and a
// mark where they differ), a line per shop and a closing note, and which
// shops stock the picked item over every roll. Close, Enter and Esc close it;
// Copy and Ctrl+C put its whole text on the clipboard.
extern const WindowSpec kDetailsWindow;
std::span<const ControlSpec> detailsWindowControls();

// The labels the texts go into, one line per row of the table.
inline constexpr std::string_view lblGameFile = "lblGameFile";
inline constexpr std::string_view lblTerms = "lblTerms";
inline constexpr std::string_view lblBoxes = "lblBoxes";
inline constexpr std::string_view lblGame = "lblGame";
inline constexpr std::string_view lblDiffers = "lblDiffers";
inline constexpr std::string_view lblShops = "lblShops";
inline constexpr std::string_view lblNote = "lblNote";
inline constexpr std::string_view lblWhereToBuy = "lblWhereToBuy";
inline constexpr std::string_view cmdClose = "cmdClose";
inline constexpr std::string_view cmdCopy = "cmdCopy";

}  // namespace pricewright
