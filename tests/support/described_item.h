#pragma once

#include "pricing/picked_item.h"
#include "pricing/shop_rules.h"
#include "tests/support/case_table.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::tests {

// Sets up record 3 of each table as `item` says, in the case tables' clauses,
// and returns the item picked; limits are the game's own (140000 90000
// 140000) unless given, and a spell's charges range from 0 to 100 unless given;
// the base item is a sword, or a staff where a spell is picked, drawn at any level, and an affix
// is useful on weapons and staves from item level 1:
//   normal: "Normal Item Only" checked      base BasePrice
//   spell [ChargesMin ChargesMax] ChargeValue "charges"
//   prefix (or suffix) EffectMin EffectMax CostMin CostMax PriceMultiplier "typed value"
//   limits Griswold Wirt Adria      comma: the locale's separator is ","      cut N: the file's first N bytes
inline PickedItem describeItem(const std::string& item, GameFileFixture& file) {
  file.setLimits({140'000, 90'000, 140'000});
  PickedItem picked;
  std::size_t size = GameFileFixture::kDefaultSize;
  for (const Clause& c : clauses(item)) {
    const auto pick = [&](Table table) { picked.pick(table) = {3, c.text}; };
    if (c.word == "normal") picked.normalItemOnly = true;
    if (c.word == "comma") picked.separator = ",";
    if (c.word == "cut") size = static_cast<std::size_t>(c.whole(0));
    if (c.word == "limits") file.setLimits({c.whole(0), c.whole(1), c.whole(2)});
    for (const auto& [word, table] : {std::pair{"prefix", Table::Prefixes}, {"suffix", Table::Suffixes}})
      if (c.word == word) {
        pick(table);
        AffixRecord affix = c.affix();
        affix.minimumLevel = 1;
        affix.itemKinds = kWeaponFlag | kStaffFlag;
        affix.useful = 1;
        file.setAffix(table, 3, affix);
      }
    if (c.word == "spell") {
      pick(Table::Spells);
      const bool ranged = c.numbers.size() == 3;
      file.setSpell(3, {ranged ? c.whole(0) : 0, ranged ? c.whole(1) : 100, c.whole(ranged ? 2 : 0)});
    }
    if (c.word == "base") {
      pick(Table::BaseItems);
      const bool staff = item.find("spell") != std::string::npos;
      file.setBaseItem(3, {.basePrice = c.whole(0), .dropRate = 1, .itemType = staff ? kStaff : kSword});
    }
  }
  file.resize(size);
  return picked;
}

}  // namespace pricewright::tests
