#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "gamedata/error.h"
#include "pricing/number_conversion.h"
#include "pricing/plain_number_text.h"

namespace pricewright {
namespace {

// Typed text read as a number and written back as a price box shows it, or
// the error reading it raised.
std::string roundTrip(const std::string& text, const char* separator) {
  try {
    return plainNumberText(numberFromText(text, separator, "The box"), separator);
  } catch (const RuntimeError& error) {
    return std::string(error.description());
  }
}

TEST(NumberText, ReadsOnlyWholeNumbersAndWritesPricesToFifteenDigits) {
  // Blanks around, a sign, the locale's separator and an exponent are read; a price is written rounded to
  // 15 significant digits, in exponent form from 1E+15 up and below 1E-04.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"  25 ", ".", "25"},           {"\t-3.5 ", ".", "-3.5"},  {"+4", ".", "4"},
      {"25,5", ",", "25,5"},          {"-2,5e+2", ",", "-250"},  {"1.5E3", ".", "1500"},
      {"1e-2", ".", "0.01"},          {"1E-400", ".", "0"},      {"-1,5e15", ",", "-1,5E+15"},
      {"0.0001", ".", "0.0001"},      {"0.00001", ".", "1E-05"}, {"-0,000015", ",", "-1,5E-05"},
      {"25.5", ",", "Type mismatch"}, {"1E309", ".", "Overflow"}};
  for (const auto& [text, separator, shown] : cases)
    EXPECT_EQ(roundTrip(text, separator), shown) << '"' << text << '"';
  EXPECT_EQ(roundTrip("0.30000000000000004", "."), "0.3");
  EXPECT_EQ(roundTrip("1644.444444444444444", "."), "1644.44444444444");
  EXPECT_EQ(roundTrip("999999999999999", "."), "999999999999999");
  EXPECT_EQ(roundTrip("999999999999999.9", "."), "1E+15");
  EXPECT_EQ(roundTrip("1.7976931348623157E308", "."), "1.79769313486232E+308");
  for (const char* text : {"", "   ", "abc", " 21- 30", "5-", "1 2", "inf", "nan", "0x10", "1,000", "1e",
                           "e5", "+-5", ".", "1.5.2"})
    EXPECT_EQ(roundTrip(text, "."), "Type mismatch") << '"' << text << '"';
  EXPECT_EQ(roundTrip("1" + std::string(400, '0'), "."), "Overflow");
  // Integer prices are their digits.
  EXPECT_EQ(plainNumberText(CalcValue(std::int32_t{INT_MIN}), ","), "-2147483648");
  EXPECT_EQ(plainNumberText(CalcValue(std::int16_t{-5}), ","), "-5");
}

}  // namespace
}  // namespace pricewright
