#include "pricing/number_conversion.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "gamedata/error.h"

namespace pricewright {
namespace {

struct Accepted {
  const char* text;
  const char* separator;
  double value;
};

class NumberFromTextAcceptsTest : public ::testing::TestWithParam<Accepted> {};

TEST_P(NumberFromTextAcceptsTest, ReadsTheDecimalNumber) {
  EXPECT_EQ(numberFromText(GetParam().text, GetParam().separator, "The box"), GetParam().value)
      << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberFromTextAcceptsTest,
                         ::testing::Values(Accepted{"25", ".", 25}, Accepted{"  25 ", ".", 25},
                                           Accepted{"\t-3.5 ", ".", -3.5}, Accepted{"+4", ".", 4},
                                           Accepted{"25,5", ",", 25.5}, Accepted{",5", ",", 0.5},
                                           Accepted{"5.", ".", 5}, Accepted{"0025.50", ".", 25.5},
                                           Accepted{"1.5E3", ".", 1500}, Accepted{"1e-2", ".", 0.01},
                                           Accepted{"-2,5e+2", ",", -250},
                                           Accepted{"1.7976931348623157E308", ".", DBL_MAX},
                                           // Too small to tell from zero is zero, not an error.
                                           Accepted{"1E-400", ".", 0}, Accepted{"0e999999", ".", 0}));

TEST(NumberFromText, RaisesTypeMismatchForAnythingButANumberAsAWhole) {
  for (const auto& [text, separator] : std::initializer_list<std::pair<const char*, const char*>>{
           {"", "."},     {"   ", "."},  {"abc", "."},   {" 21- 30", "."}, {"inf", "."},  {"nan", "."},
           {"0x10", "."}, {"&H10", "."}, {"1,000", "."}, {"1.000,5", ","}, {"25.5", ","}, {"1e", "."},
           {"e5", "."},   {"1e+", "."},  {"- 5", "."},   {"5-", "."},      {"+-5", "."},  {"1 2", "."},
           {".", "."},    {"-", "."},    {"1.5.2", "."}, {"1D5", "."},     {"$5", "."},   {"(5)", "."}}) {
    try {
      numberFromText(text, separator, "The box");
      ADD_FAILURE() << '"' << text << "\" was read as a number";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch) << text;
      EXPECT_EQ(error.whatFailed(), "The box \"" + std::string(text) + "\" is not a number.");
    }
  }
}

TEST(NumberFromText, RaisesOverflowBeyondTheRangeOfADouble) {
  for (const std::string& text :
       std::vector<std::string>{"1E309", "-1e400", "1" + std::string(400, '0'), "1.7976931348623159E308"}) {
    try {
      numberFromText(text, ".", "The box");
      ADD_FAILURE() << text << " was read";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ErrorNumber::Overflow) << text;
    }
  }
}

}  // namespace
}  // namespace pricewright
