#include "pricing/fixed_arithmetic.h"

#include <gtest/gtest.h>

#include <climits>

#include "gamedata/error.h"

namespace pricewright {
namespace {

TEST(FixedArithmetic, RaisesOverflowNamingTheQuantityInsteadOfWidening) {
  const auto overflowMessage = [](auto operation) -> std::string {
    try {
      operation();
    } catch (const RuntimeError& error) {
      if (error.number() == ErrorNumber::Overflow) return error.whatFailed();
    }
    return "no Overflow";
  };
  EXPECT_EQ(overflowMessage([] { fixedSum(INT_MAX, 1, "The sum"); }),
            "The sum (2147483647 + 1) is beyond the range of a 32-bit integer.");
  EXPECT_EQ(overflowMessage([] { fixedDifference(INT_MIN, 1, "The range"); }),
            "The range (-2147483648 - 1) is beyond the range of a 32-bit integer.");
  EXPECT_EQ(overflowMessage([] { fixedProduct(65536, 32768, "The base term"); }),
            "The base term (65536 * 32768) is beyond the range of a 32-bit integer.");
  EXPECT_EQ(fixedProduct(-65536, 32768, "The base term"), INT_MIN);
}

}  // namespace
}  // namespace pricewright
