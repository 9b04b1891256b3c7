// Pricing many items from a script: lines through one batch, and 100 prices
// through one batch process beside 100 price processes, on a synthetic game
// file that is a Windows program (so each process hashes it, as a release is).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/batch_command.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

constexpr std::string_view kPriceRequest =
    R"({"id":1,"command":"price","base":"#2","prefix":"#5","prefix_value":"25"})";

struct ExampleFile {
  tests::TemporaryDirectory directory;
  std::string path;
  ExampleFile() {
    tests::GameFileFixture file = tests::exampleFile();
    file.makeWindowsProgram();
    path = directory.write(file, "game.exe");
  }
};

// The whole output of a shell command, which must succeed.
void runCommand(const std::string& command, benchmark::State& state) {
  // NOLINTNEXTLINE(cert-env33-c): starting the real program is what is measured.
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  for (int c = 0; (c = std::fgetc(pipe)) != EOF;) output += static_cast<char>(c);
  if (pclose(pipe) != 0) state.SkipWithError(("failed: " + command).c_str());
  benchmark::DoNotOptimize(output);
}

// Price lines a second through one batch, the file opened once, the output kept in memory.
void BM_BatchPriceLines(benchmark::State& state) {
  const ExampleFile example;
  const OpenedFile opened = openedFile(example.path);
  std::string lines;
  for (int line = 0; line < 1000; ++line) lines += std::string(kPriceRequest) + "\n";
  for (auto _ : state) {
    std::istringstream in(lines);
    std::ostringstream out;
    runBatch(opened, Players::Single, in, out);
    benchmark::DoNotOptimize(out.str());
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_BatchPriceLines)->Unit(benchmark::kMillisecond);

// 100 prices: one batch process (/1), or 100 price processes (/0), each opening the file.
void BM_HundredPrices(benchmark::State& state) {
  const ExampleFile example;
  const std::string cli = PRICEWRIGHT_CLI;
  const std::string requests = example.directory.file("requests.txt").string();
  {
    std::ofstream file(requests);
    for (int line = 0; line < 100; ++line) file << kPriceRequest << "\n";
  }
  const std::string quotedCli = "'" + cli + "' ";
  const std::string quotedFile = " '" + example.path + "'";
  const std::string batch = quotedCli + "batch" + quotedFile + " <'" + requests + "'";
  const std::string price =
      quotedCli + "price" + quotedFile + " --base '#2' --prefix '#5' --prefix-value 25 --json";
  for (auto _ : state) {
    if (state.range(0) == 1) {
      runCommand(batch, state);
    } else {
      for (int run = 0; run < 100; ++run) runCommand(price, state);
    }
  }
}
BENCHMARK(BM_HundredPrices)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
