// Loading the four lists from a game executable in the page cache, against the
// floor of one plain read of the bytes from the first table to the last.
#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <vector>

#include "cli/game_tables.h"
#include "gamedata/file_open.h"
#include "gamedata/game_file_layout.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

// Keeps the entries and nothing else, so the figure is the reader's own.
class ListsOnlyWindow : public Window {
public:
  explicit ListsOnlyWindow(std::string path) : path_(std::move(path)) {}
  void clearList(ListBox list) override { lists_[list.name].clear(); }
  void appendEntry(ListBox list, const std::string& text) override { lists_[list.name].push_back(text); }
  ListIndex selectedIndex(ListBox) const override { return kNoSelection; }
  void setSelectedIndex(ListBox, ListIndex) override {}
  std::string text(TextBox) const override { return {}; }
  void setText(TextBox, const std::string&) override {}
  std::int16_t chkBaseValue() const override { return 0; }
  void showFileOpenDialog(const FileDialogSettings&) override {}
  std::string chosenFileName() const override { return path_; }
  void setChosenFileName(const std::string& path) override { path_ = path; }
  void showMessage(const std::string&, const std::string&, MessageIcon) override {}
  std::string decimalSeparator() const override { return "."; }

private:
  std::string path_;
  std::map<std::string_view, std::vector<std::string>> lists_;
};

struct GameFile {
  GameFile() { tests::GameFileFixture().writeTo(path); }
  tests::TemporaryDirectory directory;
  std::filesystem::path path = directory.file("DIABLO.EXE");
};

void BM_LoadLists(benchmark::State& state) {
  const GameFile file;
  ListsOnlyWindow window(file.path.string());
  for (auto _ : state) {
    OpenExecutable executable;
    fileOpen(executable, window);
    benchmark::DoNotOptimize(executable);
  }
}
BENCHMARK(BM_LoadLists)->Unit(benchmark::kMicrosecond);

// pricewright-cli tables: every record's fields and name and the limits.
void BM_Tables(benchmark::State& state) {
  const GameFile file;
  const GameExecutable executable(file.path.string());
  for (auto _ : state) benchmark::DoNotOptimize(readGameTables(executable));
}
BENCHMARK(BM_Tables)->Unit(benchmark::kMicrosecond);

void BM_ReadTablesFloor(benchmark::State& state) {
  const GameFile file;
  const std::streamoff first = kTablesFirstPosition - 1;
  const std::streamoff end = kTablesEndPosition - 1;
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
