// Opening a game executable in the page cache and loading the four lists,
// against the floor of one plain read of the bytes from the first table to the last.
#include <benchmark/benchmark.h>

#include <fstream>
#include <vector>

#include "cli/game_tables.h"
#include "gamedata/open_game.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

// A 1.07 file; as `Kind` says, a Windows program as every release is, so opening it hashes it whole, or one
// that no version text names, so that its tables are found by their shape.
enum Kind { Plain, WindowsProgram, Found };

struct GameFile {
  explicit GameFile(Kind kind) {
    tests::GameFileFixture fixture(kDiablo107, kind != Found);
    if (kind != Plain) fixture.makeWindowsProgram();
    if (kind == Found) fixture.shapeRecords();
    fixture.writeTo(path);
  }
  tests::TemporaryDirectory directory;
  std::filesystem::path path = directory.file("DIABLO.EXE");
};

// 0: a file that is no Windows program; 1: one that is, as the player's is; 2: one whose tables are found.
void BM_OpenAndLoadLists(benchmark::State& state) {
  const GameFile file(static_cast<Kind>(state.range(0)));
  for (auto _ : state) {
    GameLoad load(file.path.string());
    benchmark::DoNotOptimize(load.listEntries());
    const OpenGame game = std::move(load).open();
    benchmark::DoNotOptimize(game);
  }
}
BENCHMARK(BM_OpenAndLoadLists)->Arg(Plain)->Arg(WindowsProgram)->Arg(Found)->Unit(benchmark::kMicrosecond);

// pricewright-cli tables: every record's fields and name and the limits.
void BM_Tables(benchmark::State& state) {
  const GameFile file(Plain);
  for (auto _ : state) {
    const GameLoad load(file.path.string());
    benchmark::DoNotOptimize(readGameTables(load));
  }
}
BENCHMARK(BM_Tables)->Unit(benchmark::kMicrosecond);

void BM_ReadTablesFloor(benchmark::State& state) {
  const GameFile file(Plain);
  const TableLayout& spells = kDiablo107.table(Table::Spells);
  const std::streamoff end = std::streamoff{spells.firstRecord} +
                             std::streamoff{shapeOf(Table::Spells).recordSize} * spells.recordCount;
  const std::streamoff first = kDiablo107.table(Table::Prefixes).firstRecord;
  std::vector<char> bytes(static_cast<std::size_t>(end - first));
  for (auto _ : state) {
    std::ifstream in(file.path, std::ios::binary);
    in.seekg(first);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_ReadTablesFloor)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
