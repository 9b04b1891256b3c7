#include "pricing/number_text.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/outcome.h"

using namespace pricewright;

TEST(NumberText, ReadsOnlyWholeNumbersAndWritesPricesToFifteenDigits) {
  std::ifstream table(PRICEWRIGHT_TEST_DATA "/pricing/number_text.txt");
  ASSERT_TRUE(table.is_open());
  for (std::string line; std::getline(table, line);) {
    const std::size_t shownAt = line.rfind('|');
    const std::size_t separatorAt = line.rfind('|', shownAt - 1);
    if (line.starts_with('#')) continue;
    const std::string text =
        line.starts_with("\\t") ? "\t" + line.substr(2, separatorAt - 2) : line.substr(0, separatorAt);
    const std::string separator = line.substr(separatorAt + 1, shownAt - separatorAt - 1);
    EXPECT_EQ(
        tests::outcome([&] { return plainNumberText(numberFromText(text, separator, "A box"), separator); }),
        line.substr(shownAt + 1))
        << line;
  }
}
