#include "pricing/number_text.h"

#include "tests/support/case_table.h"
#include "tests/support/outcome.h"

using namespace pricewright;

TEST(NumberText, ReadsOnlyWholeNumbersAndWritesPricesToFifteenDigits) {
  tests::forEachCase("pricing/number_text.txt", [](const std::string& input, const std::string& shown,
                                                   const std::string& line) {
    const std::size_t bar = input.rfind('|');
    const std::string text =
        input.starts_with("\\t") ? "\t" + input.substr(2, bar - 2) : input.substr(0, bar);
    const std::string separator = input.substr(bar + 1);
    EXPECT_EQ(
        tests::outcome([&] { return plainNumberText(numberFromText(text, separator, "A box"), separator); }),
        shown)
        << line;
  });
}
