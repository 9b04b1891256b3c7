#include "pricing/fixed_arithmetic.h"

#include <string>

#include "gamedata/checked_int.h"
#include "gamedata/error.h"

namespace pricewright {

namespace {
[[noreturn]] void throwOverflow(std::string_view what, std::int32_t a, std::string_view operation,
                                std::int32_t b) {
  throw RuntimeError(ErrorNumber::Overflow, std::string(what) + " (" + std::to_string(a) + " " +
                                                std::string(operation) + " " + std::to_string(b) +
                                                ") is beyond the range of a 32-bit integer.");
}
}  // namespace

std::int32_t fixedSum(std::int32_t a, std::int32_t b, std::string_view what) {
  if (const auto sum = checkedAdd(a, b)) return *sum;
  throwOverflow(what, a, "+", b);
}

std::int32_t fixedDifference(std::int32_t a, std::int32_t b, std::string_view what) {
  if (const auto difference = checkedSub(a, b)) return *difference;
  throwOverflow(what, a, "-", b);
}

std::int32_t fixedProduct(std::int32_t a, std::int32_t b, std::string_view what) {
  if (const auto product = checkedMul(a, b)) return *product;
  throwOverflow(what, a, "*", b);
}

}  // namespace pricewright
