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
  const std::array fields{&kNameAddress,     &kEffectMin, &kEffectMax,  &kCostMin,    &kCostMax,
                          &kPriceMultiplier, &kBasePrice, &kChargesMin, &kChargesMax, &kChargeValue};
  for (std::string line, kind, entry; std::getline(golden, line);) {
    std::istringstream row(line);
    int record = 0;
    row >> kind;
    if (kind.starts_with('#')) continue;
    std::ranges::replace(kind, '_', ' ');
    if (kind != "limits" && kind != "names") row >> record;
    while (row >> entry) {
      const std::string key = entry.substr(0, entry.find('='));
      std::string got = tests::outcome([&] {
        if (kind == "limits")
          return named(std::array{&kGriswoldLimit, &kWirtLimit, &kAdriaLimit}, key).position;
        if (kind == "names") return namePosition(static_cast<std::int32_t>(std::stoul(key, nullptr, 16)));
        return fieldPosition(named(kTables, kind), named(fields, key), static_cast<ListIndex>(record));
      });
      std::erase(got, ' ');
      EXPECT_EQ(got, entry.substr(key.size() + 1)) << entry << " in " << line;
    }
  }
}
