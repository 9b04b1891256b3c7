// The shops' odds of an item at every level of every shop, in single player,
// from a synthetic game executable shaped like the real tables: 83 prefixes,
// 95 suffixes, 156 base items and 36 spells, with made-up but lifelike levels,
// ranges, costs, kinds and flags.
#include <benchmark/benchmark.h>

#include "bench/lifelike_file.h"
#include "gamedata/open_game.h"
#include "pricing/shop_odds.h"

namespace pricewright {
namespace {

// Items to ask after in turn: a sword with two affixes, a staff with a spell and a prefix, a ring, a plain
// axe.
constexpr std::array<OddsItem, 4> kItems{{{3, 5, 7, std::nullopt},
                                          {115, 10, std::nullopt, 4},
                                          {125, std::nullopt, 20, std::nullopt},
                                          {40, std::nullopt, std::nullopt, std::nullopt}}};

// The first item of a freshly opened file: every record read, and every level of every shop worked out.
void BM_OddsFirstItem(benchmark::State& state) {
  tests::TemporaryDirectory directory;
  const OpenGame game{GameExecutable(directory.write(bench::lifelikeFile())), {kDiablo107}};
  for (auto _ : state) {
    ShopOdds odds(shopTables(game.records()));
    benchmark::DoNotOptimize(odds.odds(kItems[0], Players::Single));
  }
}
BENCHMARK(BM_OddsFirstItem)->Unit(benchmark::kMillisecond);

// Each further item of the same open game.
void BM_OddsFurtherItem(benchmark::State& state) {
  tests::TemporaryDirectory directory;
  const OpenGame game{GameExecutable(directory.write(bench::lifelikeFile())), {kDiablo107}};
  ShopOdds odds(shopTables(game.records()));
  odds.odds(kItems[0], Players::Single);
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(odds.odds(kItems[++next % kItems.size()], Players::Single));
}
BENCHMARK(BM_OddsFurtherItem)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
