#pragma once

#include <array>
#include <span>
#include <string_view>

#include "shell/layout_table.h"
#include "shell/remembered.h"

namespace pricewright {

// The Details window, frmDetails: the open file and its version, the terms of
// the last price in columns (the term, the boxes' figure, the game's, and a
// mark where they differ), a line per shop and a closing note, and where to
// buy the picked item: which shops stock it over every roll, and from which
// level and how often each makes it, for the character level, deepest
// dungeon level and players set there. Close, Enter and Esc close it; Copy
// and Ctrl+C put its whole text on the clipboard.
extern const WindowSpec kDetailsWindow;
std::span<const ControlSpec> detailsWindowControls();
std::span<const AccessibleText> detailsWindowAccessibleTexts();

// The labels the texts go into, one line per row of the table.
inline constexpr std::string_view lblGameFile = "lblGameFile";
inline constexpr std::string_view lblTerms = "lblTerms";
inline constexpr std::string_view lblBoxes = "lblBoxes";
inline constexpr std::string_view lblGame = "lblGame";
inline constexpr std::string_view lblDiffers = "lblDiffers";
inline constexpr std::string_view lblShops = "lblShops";
inline constexpr std::string_view lblNote = "lblNote";
inline constexpr std::string_view lblWhereToBuy = "lblWhereToBuy";
inline constexpr std::string_view cboCharacterLevel = "cboCharacterLevel";
inline constexpr std::string_view cboDungeonLevel = "cboDungeonLevel";
inline constexpr std::string_view chkMultiplayer = "chkMultiplayer";
inline constexpr std::string_view cmdClose = "cmdClose";
inline constexpr std::string_view cmdCopy = "cmdCopy";

// The settings of the shops' odds: each pick list shows the levels from
// `lowest` to `highest`, an entry a level; the check box, without a level, 0
// or 1 for single player or multiplayer.
struct ShopChoice {
  std::string_view control;
  int ShopSettings::*level;
  int lowest;
  int highest;
};
inline constexpr std::array<ShopChoice, 3> kShopChoices{{
    {cboCharacterLevel, &ShopSettings::characterLevel, 1, kHighestCharacterLevel},
    {cboDungeonLevel, &ShopSettings::deepestLevel, 1, kDeepestDungeonLevel},
    {chkMultiplayer, nullptr, 0, 1},
}};
// What each choice of kShopChoices shows for `settings`: a list's entry index, the check box's state.
std::array<int, 3> choicesShown(const ShopSettings& settings);
// `settings` once the player makes `control` show `shown`; anything else leaves them as they were.
ShopSettings choicePicked(ShopSettings settings, std::string_view control, int shown);

}  // namespace pricewright
