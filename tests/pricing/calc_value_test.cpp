#include "pricing/calc_value.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <ostream>

#include "pricing/plain_number_text.h"

namespace pricewright {

void PrintTo(const CalcValue& value, std::ostream* out) {
  static constexpr const char* kKinds[] = {"empty", "int16", "int32", "double", "text"};
  *out << kKinds[value.variant().index()] << " \"" << plainNumberText(value, ".") << '"';
}

namespace {

const CalcValue kEmpty;
CalcValue i16(std::int16_t v) { return CalcValue(v); }
CalcValue i32(std::int32_t v) { return CalcValue(v); }
CalcValue dbl(double v) { return CalcValue(v); }
CalcValue text(const char* t, const char* sep = ".") { return CalcValue(TypedText{t, sep, "Box"}); }

TEST(CalcValue, GivesEachResultTheKindItsOperandsCall) {
  // A sum with an empty operand is the other operand, kind included; elsewhere empty is the 16-bit 0.
  EXPECT_EQ(kEmpty + i32(7), i32(7));
  EXPECT_EQ(i16(5) + kEmpty, i16(5));
  EXPECT_EQ(kEmpty + text("x"), text("x"));
  EXPECT_EQ(kEmpty * i32(5), i32(0));
  // Integers keep the wider kind and widen instead of overflowing.
  EXPECT_EQ(i16(3) + i16(4), i16(7));
  EXPECT_EQ(i16(32767) + i16(1), i32(32768));
  EXPECT_EQ(i16(200) * i16(200), i32(40000));
  EXPECT_EQ(i32(INT_MAX) + i16(1), dbl(2147483648.0));
  EXPECT_EQ(i32(65536) * i32(-65536), dbl(-4294967296.0));
  // A double operand gives a double, text is read as one and a quotient always is one.
  EXPECT_EQ(dbl(0.5) + i16(1), dbl(1.5));
  EXPECT_EQ(text("2,5", ",") * i16(2), dbl(5.0));
  EXPECT_EQ(i32(4) / i16(2), dbl(2.0));
}

TEST(CalcValue, DoubleResultsBeyondTheRangeOfADoubleRaiseOverflow) {
  EXPECT_THROW(dbl(DBL_MAX) + dbl(DBL_MAX), CalcOverflow);
  EXPECT_THROW(dbl(1e308) / dbl(1e-308), CalcOverflow);
}

TEST(CalcValue, GreaterThanComparesTheValuesWhateverTheirKinds) {
  EXPECT_TRUE(i32(5) > dbl(4.5));
  EXPECT_FALSE(dbl(4.5) > i32(5));
  EXPECT_TRUE(dbl(2147483647.5) > i32(INT_MAX));
  EXPECT_FALSE(i16(7) > i32(7));
}

}  // namespace
}  // namespace pricewright
