#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include "pricing/shops.h"
#include "tests/support/case_table.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

namespace {
// Sets up record 3 of each table and the window as `item` says (see the case
// table), presses "Get Costs" and returns what it showed, then what failed.
std::string press(const std::string& item) {
  tests::GameFileFixture file;
  tests::RecordingWindow window;
  for (const Shop* shop : kShops) file.setLimit(shop->limit, 1'000'000);
  std::size_t size = tests::GameFileFixture::kDefaultSize;
  for (const tests::Clause& c : tests::clauses(item)) {
    if (c.word == "normal") window.chkBase = 1;
    if (c.word == "comma") window.separator = ",";
    if (c.word == "cut") size = static_cast<std::size_t>(c.whole(0));
    if (c.word == "limits")
      for (std::size_t shop = 0; shop < kShops.size(); ++shop)
        file.setLimit(kShops[shop]->limit, c.whole(shop));
    const auto pick = [&](const TableLayout& table, std::vector<const FieldLayout*> fields,
                          const TextBox* box) {
      window.select(table.list, 3);
      if (box) window.type(*box, c.text);
      for (std::size_t f = 0; f < fields.size(); ++f) file.setField(table, *fields[f], 3, c.whole(f));
    };
    const std::vector affix{&kEffectMin, &kEffectMax, &kCostMin, &kCostMax, &kPriceMultiplier};
    if (c.word == "prefix") pick(kPrefixTable, affix, &txtPreEff);
    if (c.word == "suffix") pick(kSuffixTable, affix, &txtSufEff);
    if (c.word == "spell") pick(kSpellTable, {&kChargeValue}, &txtCharge);
    if (c.word == "base") pick(kBaseItemTable, {&kBasePrice}, nullptr);
  }
  file.resize(size);
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(file, "game.exe");
  std::string shown = window.after([&] { getCosts(GameExecutable(path), window); });
  if (const auto at = shown.find(path); at != std::string::npos) shown.replace(at, path.size(), "game.exe");
  return shown;
}
}  // namespace

TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailed) {
  tests::forEachCase("pricing/get_costs.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(press(input), expected) << line;
                     });
}
