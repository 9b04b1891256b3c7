// Prices one item from a synthetic game executable that sits in the page
// cache, through a window that only answers, so the figure is the pricing
// core's own time: the reads from the file, the arithmetic and the texts.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "gamedata/layout.h"
#include "pricing/get_costs.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

class QuietWindow : public Window {
public:
  std::array<ListIndex, 4> selection{kNoSelection, kNoSelection, kNoSelection, kNoSelection};
  std::array<std::string, 6> texts;
  std::int16_t chkBase = 0;
  int messagesShown = 0;

  void clearList(ListBox) override {}
  void appendEntry(ListBox, const std::string&) override {}
  ListIndex selectedIndex(ListBox list) const override { return selection[static_cast<std::size_t>(list)]; }
  void setSelectedIndex(ListBox list, ListIndex index) override {
    selection[static_cast<std::size_t>(list)] = index;
  }
  std::string text(TextBox box) const override { return texts[static_cast<std::size_t>(box)]; }
  void setText(TextBox box, const std::string& text) override { texts[static_cast<std::size_t>(box)] = text; }
  std::int16_t chkBaseValue() const override { return chkBase; }
  void showFileOpenDialog(const FileDialogSettings&) override {}
  std::string chosenFileName() const override { return "game.exe"; }
  void showMessage(const std::string&, const std::string&, MessageIcon) override { ++messagesShown; }
  std::string decimalSeparator() const override { return "."; }
};

void setAffix(testing::GameFileFixture& file, const TableLayout& table, ListIndex index) {
  file.setField(table, kEffectMin, index, 21);
  file.setField(table, kEffectMax, index, 30);
  file.setField(table, kCostMin, index, 1000);
  file.setField(table, kCostMax, index, 2000);
  file.setField(table, kPriceMultiplier, index, 2);
}

// The heaviest press: base item, prefix, suffix and spell, every step running.
void BM_GetCostsFullItem(benchmark::State& state) {
  testing::TemporaryDirectory directory;
  testing::GameFileFixture file;
  file.setLimit(kGriswoldLimit, 1500);
  file.setLimit(kWirtLimit, 3000);
  file.setLimit(kAdriaLimit, 5000);
  file.setField(kBaseItemTable, kBasePrice, 7, 100);
  setAffix(file, kPrefixTable, 3);
  setAffix(file, kSuffixTable, 5);
  file.setField(kSpellTable, kChargeValue, 2, 80);
  file.writeTo(directory.file("game.exe"));
  const OpenExecutable executable = GameExecutable(directory.file("game.exe").string());

  QuietWindow window;
  window.chkBase = 1;
  window.selection = {3, 5, 7, 2};  // prefix, suffix, base item, spell
  window.texts[static_cast<std::size_t>(TextBox::txtPreEff)] = "25";
  window.texts[static_cast<std::size_t>(TextBox::txtSufEff)] = "27.5";
  window.texts[static_cast<std::size_t>(TextBox::txtCharge)] = "25";

  for (auto _ : state) {
    getCosts(executable, window);
    benchmark::DoNotOptimize(window.texts);
  }
  if (window.texts[static_cast<std::size_t>(TextBox::txtCostGris)] != "Unavailable")
    state.SkipWithError("the spell price was not written");
}
BENCHMARK(BM_GetCostsFullItem)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
