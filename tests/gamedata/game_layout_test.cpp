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
// A field by the name the golden table gives it, from the record shape of `table`.
Field named(Table table, const std::string& name) {
  const auto in = [&](const auto& fields) -> std::optional<Field> {
    const auto found = std::ranges::find(fields, name, [](const auto& field) { return field.name; });
    return found == fields.end() ? std::nullopt : std::optional(found->field());
  };
  if (name == "NameAddress") return shapeOf(table).nameAddress;
  const std::optional<Field> field = table == Table::BaseItems ? in(kBaseItemFields)
                                     : table == Table::Spells  ? in(kSpellFields)
                                                               : in(kAffixFields);
  if (!field) throw std::invalid_argument("no field " + name);
  return *field;
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
        const Table table = tests::tableNamed(kind == "base_item" ? "base item" : kind);
        return fieldPosition(layout, table, named(table, key), static_cast<ListIndex>(record));
      });
      std::erase(got, ' ');
      EXPECT_EQ(got, entry.substr(key.size() + 1)) << entry << " in " << line;
    }
  }
}
