#include "pricing/calc_value.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <functional>
#include <ostream>

namespace pricewright {

void PrintTo(const CalcValue& value, std::ostream* out) {
  static constexpr const char* kKinds[] = {"empty", "int16", "int32", "double", "text"};
  *out << kKinds[value.variant().index()];
  std::visit(
      [&](const auto& v) {
        using Kind = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<Kind, TypedText>)
          *out << " \"" << v.text << '"';
        else if constexpr (!std::is_same_v<Kind, CalcValue::Empty>)
          *out << ' ' << +v;
      },
      value.variant());
}

namespace {

const CalcValue kEmpty;
CalcValue i16(std::int16_t v) { return CalcValue(v); }
CalcValue i32(std::int32_t v) { return CalcValue(v); }
CalcValue dbl(double v) { return CalcValue(v); }
CalcValue text(const char* t, const char* separator = ".") {
  return CalcValue(TypedText{t, separator, "The box"});
}

using Operation = std::function<CalcValue(const CalcValue&, const CalcValue&)>;
const Operation sum = [](const CalcValue& a, const CalcValue& b) { return a + b; };
const Operation product = [](const CalcValue& a, const CalcValue& b) { return a * b; };
const Operation quotient = [](const CalcValue& a, const CalcValue& b) { return a / b; };

struct ArithmeticCase {
  const char* operation;
  Operation apply;
  CalcValue a, b, result;
};

class CalcArithmeticTest : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(CalcArithmeticTest, GivesTheResultInItsKind) {
  const ArithmeticCase& c = GetParam();
  EXPECT_EQ(c.apply(c.a, c.b), c.result) << c.operation;
}

INSTANTIATE_TEST_SUITE_P(Rules, CalcArithmeticTest,
                         ::testing::Values(
                             // A sum with one empty operand is the other operand, kind included.
                             ArithmeticCase{"+", sum, kEmpty, kEmpty, kEmpty},
                             ArithmeticCase{"+", sum, kEmpty, i32(7), i32(7)},
                             ArithmeticCase{"+", sum, i16(5), kEmpty, i16(5)},
                             ArithmeticCase{"+", sum, kEmpty, dbl(0.5), dbl(0.5)},
                             ArithmeticCase{"+", sum, kEmpty, text("x"), text("x")},
                             // Integers keep the wider kind and widen without error.
                             ArithmeticCase{"+", sum, i16(3), i16(4), i16(7)},
                             ArithmeticCase{"+", sum, i16(1), i32(2), i32(3)},
                             ArithmeticCase{"+", sum, i16(32767), i16(1), i32(32768)},
                             ArithmeticCase{"+", sum, i16(-32768), i16(-1), i32(-32769)},
                             ArithmeticCase{"+", sum, i32(2147483647), i16(1), dbl(2147483648.0)},
                             ArithmeticCase{"+", sum, i32(-2147483647 - 1), i32(-1), dbl(-2147483649.0)},
                             ArithmeticCase{"+", sum, dbl(0.5), i16(1), dbl(1.5)},
                             ArithmeticCase{"+", sum, text("2.5"), i16(1), dbl(3.5)},
                             // In a product empty is the 16-bit 0; text is read as a number.
                             ArithmeticCase{"*", product, kEmpty, kEmpty, i16(0)},
                             ArithmeticCase{"*", product, kEmpty, i32(5), i32(0)},
                             ArithmeticCase{"*", product, i16(200), i16(200), i32(40000)},
                             ArithmeticCase{"*", product, i32(65536), i32(-65536), dbl(-4294967296.0)},
                             ArithmeticCase{"*", product, i16(3), dbl(1.5), dbl(4.5)},
                             ArithmeticCase{"*", product, text("2,5", ","), i16(2), dbl(5.0)},
                             // A quotient is always a double.
                             ArithmeticCase{"/", quotient, i16(3), i16(2), dbl(1.5)},
                             ArithmeticCase{"/", quotient, i32(4), i16(2), dbl(2.0)},
                             ArithmeticCase{"/", quotient, kEmpty, i16(2), dbl(0.0)}));

TEST(CalcValue, DoubleResultsBeyondTheRangeOfADoubleRaiseOverflow) {
  for (const auto& [a, b, operation] :
       {std::tuple{dbl(DBL_MAX), dbl(DBL_MAX), sum}, std::tuple{dbl(1e308), i16(10), product},
        std::tuple{dbl(1e308), dbl(1e-308), quotient}, std::tuple{i16(1), i16(0), quotient}}) {
    try {
      operation(a, b);
      ADD_FAILURE() << "expected Overflow";
    } catch (const CalcOverflow& error) {
      EXPECT_EQ(error.number(), ErrorNumber::Overflow);
    }
  }
}

TEST(CalcValue, TextThatIsNotANumberRaisesTypeMismatchNamingItsBox) {
  try {
    text(" 5- 10") * i16(2);
    FAIL() << "expected Type mismatch";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch);
    EXPECT_EQ(error.whatFailed(), "The box \" 5- 10\" is not a number.");
  }
}

TEST(CalcValue, GreaterThanComparesNumericValuesAcrossKinds) {
  EXPECT_TRUE(i32(5) > dbl(4.5));
  EXPECT_FALSE(dbl(4.5) > i32(5));
  EXPECT_TRUE(kEmpty > i32(-1));
  EXPECT_FALSE(kEmpty > i32(0));
  EXPECT_TRUE(dbl(2147483647.5) > i32(2147483647));
  EXPECT_FALSE(i16(7) > i32(7));
  EXPECT_TRUE(text("10") > i16(9));
}

}  // namespace
}  // namespace pricewright
