#pragma once

#include <string_view>

namespace pricewright {

// Reads typed text as a decimal number: blanks before and after are ignored, a
// leading sign, a fraction after `decimalSeparator` (the user's locale's) and an
// exponent ("2.5E3", "1e-2") are allowed. Anything else, the empty text
// included, raises Type mismatch; "inf", "nan", hexadecimal and digit grouping
// are not numbers. A value beyond the range of a double raises Overflow; one
// too small to tell from zero is zero. `source` names where the text came from,
// as a sentence starts: "The prefix's Effect Value".
double numberFromText(std::string_view text, std::string_view decimalSeparator, std::string_view source);

}  // namespace pricewright
