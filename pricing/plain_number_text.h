#pragma once

#include <string>
#include <string_view>

#include "pricing/calc_value.h"

namespace pricewright {

// A price as the shop boxes show it. Integers: their digits, with a minus sign
// when negative. Doubles: rounded to 15 significant digits, without trailing
// zeros and without the separator when no fraction remains ("1600", "0.5",
// "1644.44444444444"), in exponent form from 1E+15 up and below 1E-04 down
// ("1.5E+15", "1E-05"). `decimalSeparator` is the user's locale's. An empty
// value is the empty text and a text is itself.
std::string plainNumberText(const CalcValue& value, std::string_view decimalSeparator);

// The double form on its own; `value` is finite, as every calculated double is.
std::string plainNumberText(double value, std::string_view decimalSeparator);

}  // namespace pricewright
