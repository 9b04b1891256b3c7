// The search for the four tables by their records' shape, on a file of 1 MiB
// and on the largest input the fuzzer feeds: a game's file laid out as 1.09's,
// a file of zeros, in which every aligned offset could begin the spells, and
// the fixture's pattern, in which nothing looks like a record.
#include <benchmark/benchmark.h>

#include "gamedata/game_layouts.h"
#include "gamedata/table_finder.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

constexpr std::int64_t kFuzzerLargest = 700'000;

enum Kind { GameFile, Zeros, Pattern };

std::string fileOf(Kind kind, std::size_t size) {
  if (kind == Zeros) return std::string(size, '\0');
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
  for (auto _ : state) benchmark::DoNotOptimize(findTables(bytes, addresses));
}
BENCHMARK(BM_FindTables)
    ->ArgsProduct({{GameFile, Zeros, Pattern}, {1 << 20, kFuzzerLargest}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
