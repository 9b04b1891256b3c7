#include "pricing/plain_number_text.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace pricewright {
namespace {

struct DoubleText {
  double value;
  const char* separator;
  const char* text;
};

class PlainNumberTextTest : public ::testing::TestWithParam<DoubleText> {};

TEST_P(PlainNumberTextTest, RoundsToFifteenDigitsWithoutTrailingZeros) {
  EXPECT_EQ(plainNumberText(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, PlainNumberTextTest,
    ::testing::Values(
        DoubleText{1600.0, ".", "1600"}, DoubleText{0.5, ".", "0.5"}, DoubleText{-0.5, ".", "-0.5"},
        DoubleText{0.0, ".", "0"}, DoubleText{-0.0, ".", "0"}, DoubleText{-25.0, ".", "-25"},
        DoubleText{4000.0 / 9 + 1200, ".", "1644.44444444444"},
        DoubleText{(4000.0 / 9 + 1200) * 1.5, ".", "2466.66666666667"}, DoubleText{123.456, ",", "123,456"},
        DoubleText{0.1 + 0.2, ".", "0.3"}, DoubleText{999999999999999.0, ".", "999999999999999"},
        // Rounding to 15 digits can carry into the exponent form.
        DoubleText{999999999999999.9, ".", "1E+15"}, DoubleText{1.5e15, ".", "1.5E+15"},
        DoubleText{-1.5e15, ",", "-1,5E+15"}, DoubleText{123456789012345678.0, ".", "1.23456789012346E+17"},
        DoubleText{DBL_MAX, ".", "1.79769313486232E+308"}, DoubleText{0.0001, ".", "0.0001"},
        DoubleText{0.00009999999999999999, ".", "0.0001"}, DoubleText{0.00001, ".", "1E-05"},
        DoubleText{-0.000015, ",", "-1,5E-05"}, DoubleText{5e-324, ".", "4.94065645841247E-324"}));

TEST(PlainNumberText, WritesIntegersAsDigitsAndKeepsEmptyAndTextAsTheyAre) {
  EXPECT_EQ(plainNumberText(CalcValue(std::int32_t{-2147483647 - 1}), "."), "-2147483648");
  EXPECT_EQ(plainNumberText(CalcValue(std::int16_t{-5}), "."), "-5");
  EXPECT_EQ(plainNumberText(CalcValue(std::int32_t{250}), ","), "250");
  EXPECT_EQ(plainNumberText(CalcValue(2466.6666666666665), ","), "2466,66666666667");
  EXPECT_EQ(plainNumberText(CalcValue(), "."), "");
  EXPECT_EQ(plainNumberText(CalcValue(TypedText{" 7", ".", "The box"}), "."), " 7");
}

}  // namespace
}  // namespace pricewright
