#include "pricing/stock.h"

#include <gtest/gtest.h>

#include "tests/support/case_table.h"
#include "tests/support/outcome.h"

using namespace pricewright;

namespace {
struct Case {
  StockItem item;
  ShopLimits limits{140'000, 90'000, 140'000};
};

// The item a case describes (see the case table).
Case described(const std::string& input) {
  Case c;
  for (const tests::Clause& clause : tests::clauses(input)) {
    const auto affix = [&](std::string name) {
      return StockItem::Affix{
          {clause.whole(0), clause.whole(1), clause.whole(2), clause.whole(3), clause.whole(4)},
          std::move(name)};
    };
    if (clause.word == "base") c.item.basePrice = clause.whole(0);
    if (clause.word == "prefix") c.item.prefix = affix("King's");
    if (clause.word == "suffix") c.item.suffix = affix("of Haste");
    if (clause.word == "spell") c.item.spell = SpellRecord{clause.whole(0), clause.whole(1), clause.whole(2)};
    if (clause.word == "limits") c.limits = {clause.whole(0), clause.whole(1), clause.whole(2)};
  }
  return c;
}

// The counts and extremes, then per shop how many rolls it stocks up to which value, and which in words.
std::string summary(RollCount rolls, RollCount unpriced, std::int64_t lowest, std::int64_t highest,
                    const std::array<ShopStock, 3>& shops, bool words) {
  std::string text = "rolls " + rollCountText(rolls) +
                     (unpriced ? " (" + rollCountText(unpriced) + " beyond 32 bits)" : "") + " | values " +
                     std::to_string(lowest) + " to " + std::to_string(highest);
  for (const Shop shop : kShopOrder) {
    const ShopStock& s = shops[indexOf(shop)];
    text += " | " + std::string(facts(shop).name) + " ";
    text += !s.carried ? "-"
                       : rollCountText(s.stocked) + " up to " +
                             (s.highestStockedValue ? std::to_string(*s.highestStockedValue) : "-");
    if (words) text += ": " + s.which;
  }
  return text;
}

// The same counts, from every roll priced one at a time by the game's figures.
std::string enumerated(const Case& c) {
  const StockItem& item = c.item;
  const auto values = [](const std::optional<StockItem::Affix>& affix) {
    if (!affix) return std::vector<double>{0};
    std::vector<double> all;
    const AffixRecord& r = affix->record;
    for (std::int64_t v = std::min(r.effectMin, r.effectMax); v <= std::max(r.effectMin, r.effectMax); ++v)
      all.push_back(static_cast<double>(v));
    return all;
  };
  std::vector<double> charges{0};
  if (item.spell) {
    charges.clear();
    for (std::int64_t n = std::min(item.spell->chargesMin, item.spell->chargesMax);
         n <= std::max(item.spell->chargesMin, item.spell->chargesMax); ++n)
      charges.push_back(static_cast<double>(n));
  }
  RollCount rolls = 0;
  RollCount unpriced = 0;
  std::optional<std::int64_t> lowest;
  std::optional<std::int64_t> highest;
  std::array<ShopStock, 3> shops;
  for (const double p : values(item.prefix))
    for (const double s : values(item.suffix))
      for (const double n : charges) {
        ItemRecords records{item.kind(), item.basePrice, std::nullopt, std::nullopt, item.spell, n};
        if (item.prefix) records.prefix = PickedAffix{"prefix", item.prefix->record, p};
        if (item.suffix) records.suffix = PickedAffix{"suffix", item.suffix->record, s};
        ++rolls;
        const GameOutcome outcome = gameFigures(records, c.limits, ".");
        unpriced += outcome.figures ? 0 : 1;
        if (!outcome.figures) continue;
        const std::int64_t value = outcome.figures->value;
        lowest = std::min(lowest.value_or(value), value);
        highest = std::max(highest.value_or(value), value);
        for (const Shop shop : kShopOrder) {
          ShopStock& at = shops[indexOf(shop)];
          at.carried = outcome.figures->shops[indexOf(shop)].asks.has_value();
          if (!outcome.figures->shops[indexOf(shop)].stocked) continue;
          ++at.stocked;
          at.highestStockedValue = std::max(at.highestStockedValue.value_or(value), value);
        }
      }
  return summary(rolls, unpriced, lowest.value_or(0), highest.value_or(0), shops, false);
}
}  // namespace

TEST(Stock, CountsEveryRollEachShopStocksAndSaysWhichInWords) {
  tests::forEachCase("pricing/stock.txt", [](const std::string& input, const std::string& expected,
                                             const std::string& line) {
    const Case c = described(input);
    std::string got;
    std::string counts;
    try {
      const Stock stock = stockOf(c.item, c.limits);
      got = summary(stock.rolls, stock.unpriced, stock.lowestValue, stock.highestValue, stock.shops, true);
      counts =
          summary(stock.rolls, stock.unpriced, stock.lowestValue, stock.highestValue, stock.shops, false);
      EXPECT_TRUE(stock.rolls >= 1'000'000 || counts == enumerated(c)) << line << "\n" << enumerated(c);
    } catch (const RuntimeError& error) {
      got = tests::errorText(error);
    }
    EXPECT_EQ(got, expected) << line;
  });
}
