#include "pricing/game_figures.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"
#include "tests/support/press_text.h"

using namespace pricewright;

namespace {
// Builds the item that `input` describes (see the case table) and sums up its game figures.
std::string figures(const std::string& input) {
  ItemRecords item;
  GameShops shops{Game::Diablo, {1'000'000, 1'000'000, 1'000'000}};
  Players players = Players::Single;
  std::optional<std::int32_t> type;
  for (const tests::Clause& c : tests::clauses(input)) {
    const auto affix = [&](std::string_view which) { return PickedAffix{which, c.affix(), c.numbers.at(5)}; };
    if (c.word == "normal") item.kind = ItemKind::Plain;
    if (c.word == "base") item.base = BaseItemRecord{.basePrice = c.whole(0), .dropRate = 1};
    if (c.word == "type") type = c.whole(0);
    if (c.word == "kind") item.base->miscKind = c.whole(0);
    if (c.word == "drop") item.base->dropRate = c.whole(0);
    if (c.word == "multi") players = Players::Multi;
    if (c.word == "hellfire") shops.game = Game::Hellfire;
    if (c.word == "limits") shops.limits = {c.whole(0), c.whole(1), c.whole(2)};
    if (c.word == "prefix") item.prefix = affix("prefix");
    if (c.word == "suffix") item.suffix = affix("suffix");
    if (c.word == "spell") {
      item.spell = SpellRecord{.chargesMin = c.whole(0), .chargesMax = c.whole(1), .chargeValue = c.whole(2)};
      item.charges = c.numbers.at(3);
      if (c.numbers.size() > 4) item.spell->bookCost = c.whole(4);
    }
  }
  if (item.prefix || item.suffix) item.kind = ItemKind::Magic;
  if (item.spell) item.kind = ItemKind::Spell;
  if (item.base) item.base->itemType = type.value_or(item.spell ? kStaff : kSword);
  return tests::figuresText(gameFigures(item, shops, players, "."));
}
}  // namespace

TEST(GameFigures, PriceEachItemAsTheGameDoesOrSayWhyItNeverWould) {
  tests::forEachCase("pricing/game_figures.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(figures(input), expected) << line;
                     });
}
