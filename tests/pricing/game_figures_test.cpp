#include "pricing/game_figures.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"
#include "tests/support/press_text.h"

using namespace pricewright;

namespace {
// Builds the item that `input` describes (see the case table) and sums up its game figures.
std::string figures(const std::string& input) {
  ItemRecords item;
  ShopLimits limits{1'000'000, 1'000'000, 1'000'000};
  for (const tests::Clause& c : tests::clauses(input)) {
    const auto affix = [&](std::string_view which) { return PickedAffix{which, c.affix(), c.numbers.at(5)}; };
    if (c.word == "normal") item.kind = ItemKind::Plain;
    if (c.word == "base") item.basePrice = c.whole(0);
    if (c.word == "limits") limits = {c.whole(0), c.whole(1), c.whole(2)};
    if (c.word == "prefix") item.prefix = affix("prefix");
    if (c.word == "suffix") item.suffix = affix("suffix");
    if (c.word == "spell") {
      item.spell = SpellRecord{c.whole(0), c.whole(1), c.whole(2)};
      item.charges = c.numbers.at(3);
    }
  }
  if (item.prefix || item.suffix) item.kind = ItemKind::Magic;
  if (item.spell) item.kind = ItemKind::Spell;
  return tests::figuresText(gameFigures(item, limits, "."));
}
}  // namespace

TEST(GameFigures, PriceEachItemAsTheGameDoesOrSayWhyItNeverWould) {
  tests::forEachCase("pricing/game_figures.txt",
                     [](const std::string& input, const std::string& expected, const std::string& line) {
                       EXPECT_EQ(figures(input), expected) << line;
                     });
}
