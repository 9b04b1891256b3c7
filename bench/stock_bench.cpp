// Which rolls each shop stocks, for items from the widest the real tables make
// to the widest ranges the game rolls, 2^31 - 1 values.
#include <benchmark/benchmark.h>

#include <climits>

#include "pricing/stock.h"

namespace pricewright {
namespace {

StockItem item(std::int64_t which) {
  StockItem item;
  item.base = {.basePrice = 1000, .dropRate = 1, .itemType = kSword};
  switch (which) {
  case 0:  // two affixes of a hundred values each, as wide as the real tables' widest
    item.prefix = StockItem::Affix{{1, 100, 1000, 20000, 2}, "King's"};
    item.suffix = StockItem::Affix{{1, 100, 500, 15000, 1}, "of Haste"};
    break;
  case 1:  // two affixes over the widest ranges
    item.prefix = StockItem::Affix{{1, INT32_MAX, 0, 100000, 1}, "King's"};
    item.suffix = StockItem::Affix{{1, INT32_MAX, 0, 100000, 1}, "of Haste"};
    break;
  default:  // a staff whose prefix and charges both span the widest ranges
    item.base.itemType = kStaff;
    item.prefix = StockItem::Affix{{1, INT32_MAX, 0, 100000, 1}, "King's"};
    item.spell = SpellRecord{1, INT32_MAX, 3};
    break;
  }
  return item;
}

void BM_Stock(benchmark::State& state) {
  const StockItem stocked = item(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(stockOf(stocked, {Game::Diablo, {140'000, 90'000, 140'000}}, Players::Single));
}
BENCHMARK(BM_Stock)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
