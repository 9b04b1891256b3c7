#include "pricing/stock.h"

#include <gtest/gtest.h>

#include "pricing/game_figures.h"
#include "tests/support/case_table.h"
#include "tests/support/outcome.h"

using namespace pricewright;

namespace {
struct Case {
  StockItem item;
  GameShops shops{Game::Diablo, {140'000, 90'000, 140'000}};
  Players players = Players::Single;
};

// The item a case describes (see the case table).
Case described(const std::string& input) {
  Case c;
  for (const tests::Clause& clause : tests::clauses(input)) {
    if (clause.word == "base")
      c.item.base = {.basePrice = clause.whole(0), .dropRate = 1, .itemType = kSword};
    if (clause.word == "type") c.item.base.itemType = clause.whole(0);
    if (clause.word == "prefix") c.item.prefix = StockItem::Affix{clause.affix(), "King's"};
    if (clause.word == "suffix") c.item.suffix = StockItem::Affix{clause.affix(), "of Haste"};
    if (clause.word == "spell") {
      c.item.spell = SpellRecord{clause.whole(0), clause.whole(1), clause.whole(2)};
      c.item.base.itemType = kStaff;
    }
    if (clause.word == "limits") c.shops.limits = {clause.whole(0), clause.whole(1), clause.whole(2)};
    if (clause.word == "multi") c.players = Players::Multi;
  }
  return c;
}

// The counts and extremes, then per shop how many rolls it stocks up to which value, and which in words.
std::string summary(const Stock& stock, bool words) {
  std::string text = "rolls " + rollCountText(stock.rolls) +
                     (stock.unpriced ? " (" + rollCountText(stock.unpriced) + " beyond 32 bits)" : "") +
                     " | values " + std::to_string(stock.lowestValue) + " to " +
                     std::to_string(stock.highestValue);
  for (const Shop shop : kShopOrder) {
    const ShopStock& s = stock.shops[indexOf(shop)];
    const auto highest = s.highestStockedValue ? std::to_string(*s.highestStockedValue) : "-";
    text += " | " + std::string(facts(shop).name) + " " +
            (s.offered() ? rollCountText(s.stocked) + " up to " + highest : "-") +
            (words ? ": " + whichStocked(stock, shop) : "");
  }
  return text;
}

// The same counts, from every roll priced one at a time by the game's figures.
Stock enumerated(const Case& c) {
  const StockItem& item = c.item;
  const auto every = [](std::int32_t first, std::int32_t last) {
    std::vector<double> all;
    for (std::int64_t v = rolls(first, last).low; v <= rolls(first, last).high; ++v)
      all.push_back(static_cast<double>(v));
    return all;
  };
  const auto values = [&](const std::optional<StockItem::Affix>& a) {
    return a ? every(a->record.effectMin, a->record.effectMax) : std::vector<double>{0};
  };
  Stock stock;
  for (const double p : values(item.prefix))
    for (const double s : values(item.suffix))
      for (const double n :
           item.spell ? every(item.spell->chargesMin, item.spell->chargesMax) : std::vector<double>{0}) {
        ItemRecords records{item.kind(), item.base, std::nullopt, std::nullopt, item.spell, n};
        if (item.prefix) records.prefix = PickedAffix{"prefix", item.prefix->record, p};
        if (item.suffix) records.suffix = PickedAffix{"suffix", item.suffix->record, s};
        const GameOutcome outcome = gameFigures(records, c.shops, c.players, ".");
        const bool firstPriced = stock.rolls++ == stock.unpriced;
        if (!outcome.figures) {
          ++stock.unpriced;
          continue;
        }
        const std::int64_t value = outcome.figures->value;
        stock.lowestValue = firstPriced ? value : std::min(stock.lowestValue, value);
        stock.highestValue = firstPriced ? value : std::max(stock.highestValue, value);
        for (const Shop shop : kShopOrder) {
          ShopStock& at = stock.shops[indexOf(shop)];
          at.notOffered = outcome.figures->shops[indexOf(shop)].asks ? "" : "-";
          if (!outcome.figures->shops[indexOf(shop)].stocked) continue;
          ++at.stocked;
          at.highestStockedValue = std::max(at.highestStockedValue.value_or(value), value);
        }
      }
  return stock;
}
}  // namespace

TEST(Stock, CountsEveryRollEachShopStocksAndSaysWhichInWords) {
  tests::forEachCase("pricing/stock.txt", [](const std::string& input, const std::string& expected,
                                             const std::string& line) {
    const Case c = described(input);
    std::string got;
    try {
      const Stock stock = stockOf(c.item, c.shops, c.players);
      got = summary(stock, true);
      EXPECT_TRUE(stock.rolls >= 1'000'000 || summary(stock, false) == summary(enumerated(c), false)) << line;
    } catch (const RuntimeError& error) {
      got = tests::errorText(error);
    }
    EXPECT_EQ(got, expected) << line;
  });
}
