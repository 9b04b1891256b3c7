#include "gamedata/game_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "gamedata/game_layouts.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/outcome.h"

using namespace pricewright;

namespace {
// A field by the name the golden table gives it, at its offset in `layout`.
Field named(const GameLayout& layout, Table table, const std::string& name) {
  const std::map<std::string, std::int32_t> offsets{{"NameAddress", layout.table(table).nameAddress},
                                                    {"EffectMin", layout.affix.effectMin},
                                                    {"EffectMax", layout.affix.effectMax},
                                                    {"CostMin", layout.affix.costMin},
                                                    {"CostMax", layout.affix.costMax},
                                                    {"PriceMultiplier", layout.affix.priceMultiplier},
                                                    {"BasePrice", layout.baseItem.basePrice},
                                                    {"ChargesMin", layout.spell.chargesMin},
                                                    {"ChargesMax", layout.spell.chargesMax},
                                                    {"ChargeValue", layout.spell.chargeValue}};
  return {"", offsets.at(name)};
}
}  // namespace

// The fixture writer places values by the layout rows, so only this golden
// table, written from the releases' facts, notices a wrong row.
TEST(GameLayout, PutsEveryValueAtItsGoldenPosition) {
  std::ifstream golden(PRICEWRIGHT_TEST_DATA "/gamedata/positions.txt");
  ASSERT_TRUE(golden.is_open());
  const std::map<std::string, Shop> limits{
      {"GriswoldLimit", Shop::Griswold}, {"WirtLimit", Shop::Wirt}, {"AdriaLimit", Shop::Adria}};
  for (std::string line, version, kind, entry; std::getline(golden, line);) {
    std::istringstream row(line);
    int record = 0;
    row >> version >> kind;
    if (version.starts_with('#')) continue;
    const GameLayout& layout = **std::ranges::find(kGameLayouts, version, &GameLayout::name);
    if (kind != "limits" && kind != "names") row >> record;
    while (row >> entry) {
      const std::string key = entry.substr(0, entry.find('='));
      std::string got = tests::outcome([&] {
        if (kind == "limits") return *layout.limit(limits.at(key)).offset + 1;
        if (kind == "names")
          return namePosition(layout, static_cast<std::int32_t>(std::stoul(key, nullptr, 16)));
        const Table table = tests::tableNamed(layout, kind == "base_item" ? "base item" : kind);
        return fieldPosition(layout.table(table), named(layout, table, key), static_cast<ListIndex>(record));
      });
      std::erase(got, ' ');
      EXPECT_EQ(got, entry.substr(key.size() + 1)) << entry << " in " << line;
    }
  }
}
