#include "pricing/game_figures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace pricewright;

namespace {
std::string text(const std::optional<std::int64_t>& number) { return number ? std::to_string(*number) : "-"; }

// Builds the item that `line` describes (see the case table) and sums up its game figures.
std::string figures(const std::string& line) {
  ItemRecords item;
  std::array<std::int32_t, 3> limits{1'000'000, 1'000'000, 1'000'000};
  std::istringstream clauses(line);
  for (std::string clause, word; std::getline(clauses, clause, ';');) {
    std::istringstream in(clause);
    std::vector<double> n;
    in >> word;
    for (double number = 0; in >> number;) n.push_back(number);
    const auto whole = [&](std::size_t i) { return static_cast<std::int32_t>(n[i]); };
    const auto affix = [&] {
      return PickedAffix{word, {whole(0), whole(1), whole(2), whole(3), whole(4)}, n[5]};
    };
    if (word == "normal") item.kind = ItemKind::Plain;
    if (word == "base") item.basePrice = whole(0);
    if (word == "limits") limits = {whole(0), whole(1), whole(2)};
    if (word == "prefix") item.prefix = affix();
    if (word == "suffix") item.suffix = affix();
    if (word == "spell") item.spell = SpellRecord{whole(0), whole(1), whole(2)}, item.charges = n[3];
  }
  if (item.prefix || item.suffix) item.kind = ItemKind::Magic;
  if (item.spell) item.kind = ItemKind::Spell;
  const GameOutcome outcome = gameFigures(item, limits, ".");
  if (!outcome.figures) return "never: " + outcome.unavailable;
  const GameFigures& game = *outcome.figures;
  std::string asks = " | asks";
  std::string stocked = " | stocked";
  for (const ShopFigures& shop : game.shops) {
    asks += " " + text(shop.asks);
    stocked += shop.stocked ? " yes" : " no";
  }
  return "value " + std::to_string(game.value) + asks + stocked + " | buy-back " +
         std::to_string(game.buyBack);
}
}  // namespace

TEST(GameFigures, PriceEachItemAsTheGameDoesOrSayWhyItNeverWould) {
  std::ifstream cases(PRICEWRIGHT_TEST_DATA "/pricing/game_figures.txt");
  ASSERT_TRUE(cases.is_open());
  for (std::string line; std::getline(cases, line);) {
    if (line.starts_with('#')) continue;
    const std::size_t arrow = line.find(" => ");
    EXPECT_EQ(figures(line.substr(0, arrow)), line.substr(arrow + 4)) << line;
  }
}
