// Prices one item from a synthetic game executable that sits in the page
// cache, so the figure is the pricing core's own time: the reads from the
// file, the arithmetic and the texts.
#include <benchmark/benchmark.h>

#include <string>

#include "pricing/press.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

// The heaviest press: base item, prefix, suffix and spell, every step running.
void BM_GetCostsFullItem(benchmark::State& state) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
  file.setLimits({1500, 3000, 5000});
  file.setBasePrice(7, 100);
  file.setAffix(Table::Prefixes, 3, {21, 30, 1000, 2000, 2});
  file.setAffix(Table::Suffixes, 5, {21, 30, 1000, 2000, 2});
  file.setSpell(2, {10, 40, 80});
  const OpenGame game{GameExecutable(directory.write(file, "game.exe")), {kDiablo107}};

  PickedItem picked;
  picked.normalItemOnly = true;
  picked.pick(Table::Prefixes) = {3, "25"};
  picked.pick(Table::Suffixes) = {5, "27.5"};
  picked.pick(Table::BaseItems) = {7, ""};
  picked.pick(Table::Spells) = {2, "25"};

  std::string griswold;
  for (auto _ : state) {
    if (state.range(0) == 0) {
      game.file.checkStillInPlace();
      const Costs costs = getCosts(game.records(), picked);
      griswold = *costs.shown.back().boxText;
    } else {
      const PressOutcome outcome = press(&game, picked, {});
      griswold = outcome.boxTexts[0];
    }
    benchmark::DoNotOptimize(griswold);
  }
  if (state.range(0) == 1 && griswold != "Unavailable")
    state.SkipWithError("the spell price was not written");
}
// 0: the press alone; 1: the press with the game's figures beside it, as the Details window and the price
// command get it.
BENCHMARK(BM_GetCostsFullItem)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
