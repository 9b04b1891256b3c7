#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pricing/price_breakdown.h"

namespace pricewright {

// A label of the Details window and the text it shows.
struct LabelText {
  std::string_view label;
  std::string text;
};

// Everything the Details window shows for the last press of "Get Costs",
// whatever toolkit draws it: the table's columns (one line per row), the line
// per shop and the note; before any press, what to do, after an error, what failed.
std::vector<LabelText> detailsText(const PressOutcome& outcome);

// A whole number with its thousands grouped: "105,000".
std::string groupedNumber(std::int64_t value);

}  // namespace pricewright
