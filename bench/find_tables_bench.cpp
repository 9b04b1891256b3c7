// The search for the four tables by their records' shape, on a file of 1 MiB
// and on the largest input the fuzzer feeds: a game's file laid out as 1.09's,
// the fixture's pattern, in which nothing looks like a record, and three
// files of one byte over and over: zeros; 0xFF, which could end a table at
// every offset; 0x01, which could be the first spell's id at every offset.
#include <benchmark/benchmark.h>

#include "gamedata/game_layouts.h"
#include "gamedata/table_finder.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

constexpr std::int64_t kFuzzerLargest = 700'000;

enum Kind { GameFile, Pattern, Zeros, Ends, Ones };

std::string fileOf(Kind kind, std::size_t size) {
  if (kind == Zeros) return std::string(size, '\0');
  if (kind == Ends) return std::string(size, '\xFF');
  if (kind == Ones) return std::string(size, '\x01');
  tests::GameFileFixture fixture(kDiablo109);
  if (kind == GameFile) fixture.shapeRecords();
  fixture.resize(size);
  return std::string(fixture.bytes());
}

// Arguments: the kind of file, and its size.
void BM_FindTables(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(1));
  const std::string bytes = fileOf(static_cast<Kind>(state.range(0)), size);
  const AddressMap addresses{kKnownLoadAddressOfFirstByte};
  if (state.range(0) == GameFile && !findTables(bytes, addresses).tables)
    state.SkipWithError("the game's tables are not found");
  for (auto _ : state) benchmark::DoNotOptimize(findTables(bytes, addresses));
}
BENCHMARK(BM_FindTables)
    ->ArgsProduct({{GameFile, Pattern, Zeros, Ends, Ones}, {1 << 20, kFuzzerLargest}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
