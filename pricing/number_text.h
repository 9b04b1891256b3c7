#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pricewright {

// The numbers a player types and the prices the shop boxes show.
// `decimalSeparator` is the user's locale's in both directions.

// Reads typed text as a decimal number: blanks before and after are ignored, a
// leading sign, a fraction after the separator and an exponent ("2.5E3",
// "1e-2") are allowed. Anything else, the empty text included, raises Type
// mismatch; "inf", "nan", hexadecimal and digit grouping are not numbers. A
// value beyond the range of a double raises Overflow; one too small to tell
// from zero is zero. `source` names where the text came from, as a sentence
// starts: "The prefix's Effect Value".
double numberFromText(std::string_view text, std::string_view decimalSeparator, std::string_view source);

// A price as the shop boxes show it: rounded to 15 significant digits, without
// trailing zeros and without the separator when no fraction remains ("1600",
// "0.5", "1644.44444444444"), in exponent form from 1E+15 up and below 1E-04
// down ("1.5E+15", "1E-05"). Every whole number a price can be below 1E+15
// shows as its digits. `value` is finite, as every calculated price is.
std::string plainNumberText(double value, std::string_view decimalSeparator);

// A whole number with its thousands grouped, as the game's figures are written: "105,000".
std::string groupedNumber(std::int64_t value);

}  // namespace pricewright
