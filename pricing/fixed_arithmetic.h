#pragma once

#include <cstdint>
#include <string_view>

namespace pricewright {

// The fixed 32-bit arithmetic of a price's parts (ranges, sums of record values,
// the base item's multiple): a result outside the 32-bit range raises Overflow
// and never widens. The error names `what` ("The prefix's cost range") and the
// operands.
std::int32_t fixedSum(std::int32_t a, std::int32_t b, std::string_view what);
std::int32_t fixedDifference(std::int32_t a, std::int32_t b, std::string_view what);
std::int32_t fixedProduct(std::int32_t a, std::int32_t b, std::string_view what);

}  // namespace pricewright
