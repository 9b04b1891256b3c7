#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gamedata/open_game.h"
#include "pricing/press.h"

namespace pricewright {

// A label of the Details window and the text it shows.
struct LabelText {
  std::string_view label;
  std::string text;
};

// Everything the Details window shows, whatever toolkit draws it: the open
// file and its version, then for the last press of "Get Costs" the table's
// columns (one line per row), the line per shop and the note; before any
// press, what to do, after an error, what failed.
std::vector<LabelText> detailsText(const PressOutcome& outcome, const OpenGame* game);

// "DIABLO.EXE: Diablo 1.09 (GOG)", or that no file is open.
std::string gameFileLine(const OpenGame* game);

// A whole number with its thousands grouped: "105,000".
std::string groupedNumber(std::int64_t value);

}  // namespace pricewright
