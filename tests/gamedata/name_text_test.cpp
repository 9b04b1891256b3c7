#include "gamedata/name_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_name.h"

namespace pricewright {
namespace {

using namespace std::string_literals;

struct NameCase {
  const char* what;
  std::string field;
  std::string text;
  friend void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }
};

class NameFieldToTextTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameFieldToTextTest, CutsAtFirstZeroAndConvertsToUtf8) {
  EXPECT_EQ(nameFieldToText(GetParam().field), GetParam().text) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NameFieldToTextTest,
    ::testing::Values(NameCase{"three letters, zero, rest ignored",
                               "Axe\0garbage after the zero byte"s.substr(0, 30), "Axe"},
                      NameCase{"no zero byte: all 30", std::string(30, 'x'), std::string(30, 'x')},
                      NameCase{"leading zero: empty", "\0Hidden name that is not shown"s, ""},
                      NameCase{"Latin-1 range", "Caf\xE9 \xC6gis\xFF", "Caf\u00E9 \u00C6gis\u00FF"},
                      NameCase{"Windows-1252 specials", "\x80 \x99 \x9F \x85", "\u20AC \u2122 \u0178 \u2026"},
                      NameCase{"bytes Windows-1252 leaves undefined", "\x81\x8D\x8F\x90\x9D",
                               "\u0081\u008D\u008F\u0090\u009D"},
                      NameCase{"no-break space",
                               "a\xA0"
                               "b",
                               "a\u00A0b"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return testing::testName(info.param.what); });

TEST(BlankSignedText, LeadsWithBlankUnlessNegative) {
  EXPECT_EQ(blankSignedText(5), " 5");
  EXPECT_EQ(blankSignedText(0), " 0");
  EXPECT_EQ(blankSignedText(-3), "-3");
  EXPECT_EQ(blankSignedText(INT32_MIN), "-2147483648");
  EXPECT_EQ(blankSignedText(INT32_MAX), " 2147483647");
}

TEST(PlaceholderEntry, IsBlankSignedIndexThenNone) {
  EXPECT_EQ(placeholderEntry(0), " 0-None");
  EXPECT_EQ(placeholderEntry(12), " 12-None");
  EXPECT_EQ(placeholderEntry(155), " 155-None");
}

}  // namespace
}  // namespace pricewright
