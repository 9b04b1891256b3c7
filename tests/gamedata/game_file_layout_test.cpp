#include "gamedata/game_file_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/support/outcome.h"

using namespace pricewright;

// The fixture writer places values with these same constants, so only this
// golden table notices a wrong one.
TEST(GameFileLayout, PutsEveryValueAtItsGoldenPosition) {
  std::ifstream golden(PRICEWRIGHT_TEST_DATA "/gamedata/positions.txt");
  ASSERT_TRUE(golden.is_open());
  const auto named = [](const auto& all, const std::string& name) -> const auto& {
    return **std::ranges::find_if(all, [&](const auto* each) { return each->name == name; });
  };
  for (std::string line, kind, table, field, expected; std::getline(golden, line);) {
    std::istringstream row(line);
    std::int64_t number = 0;
    std::string got;
    row >> kind;
    if (kind == "field") {
      row >> table >> field >> number;
      std::ranges::replace(table, '_', ' ');
      const std::array fields{&kNameAddress,     &kEffectMin, &kEffectMax,  &kCostMin,    &kCostMax,
                              &kPriceMultiplier, &kBasePrice, &kChargesMin, &kChargesMax, &kChargeValue};
      got = tests::outcome([&] {
        return fieldPosition(named(kTables, table), named(fields, field), static_cast<ListIndex>(number));
      });
    } else if (kind == "limit") {
      row >> field;
      got = std::to_string(named(std::array{&kGriswoldLimit, &kWirtLimit, &kAdriaLimit}, field).position);
    } else if (kind == "name") {
      row >> std::hex >> number;
      got = tests::outcome([&] { return namePosition(static_cast<std::int32_t>(number)); });
    } else {
      continue;
    }
    std::getline(row >> std::ws, expected);
    EXPECT_EQ(got, expected) << line;
  }
}
