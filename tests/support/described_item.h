#pragma once

#include "pricing/shops.h"
#include "tests/support/case_table.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

namespace pricewright::tests {

// Sets up record 3 of each table and the window as `item` says, in the case
// tables' clauses; limits are 1000000 unless given:
//   normal: "Normal Item Only" checked      base BasePrice
//   spell [ChargesMin ChargesMax] ChargeValue "charges"
//   prefix (or suffix) EffectMin EffectMax CostMin CostMax PriceMultiplier "typed value"
//   limits Griswold Wirt Adria      comma: the locale's separator is ","      cut N: the file's first N bytes
inline void describeItem(const std::string& item, GameFileFixture& file, RecordingWindow& window) {
  for (const Shop* shop : kShops) file.setLimit(shop->limit, 1'000'000);
  std::size_t size = GameFileFixture::kDefaultSize;
  for (const Clause& c : clauses(item)) {
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
    if (c.word == "spell" && c.numbers.size() == 1) pick(kSpellTable, {&kChargeValue}, &txtCharge);
    if (c.word == "spell" && c.numbers.size() == 3)
      pick(kSpellTable, {&kChargesMin, &kChargesMax, &kChargeValue}, &txtCharge);
    if (c.word == "base") pick(kBaseItemTable, {&kBasePrice}, nullptr);
  }
  file.resize(size);
}

}  // namespace pricewright::tests
