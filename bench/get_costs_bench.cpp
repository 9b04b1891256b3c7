// Prices one item from a synthetic game executable that sits in the page
// cache, through a window that only answers, so the figure is the pricing
// core's own time: the reads from the file, the arithmetic and the texts.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "gamedata/game_file_layout.h"
#include "pricing/get_costs.h"
#include "pricing/price_breakdown.h"
#include "pricing/shops.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

class QuietWindow : public Window {
public:
  std::map<std::string_view, ListIndex> selection;
  std::map<std::string_view, std::string> texts;
  std::int16_t chkBase = 0;
  int messagesShown = 0;

  void clearList(ListBox) override {}
  void appendEntry(ListBox, const std::string&) override {}
  ListIndex selectedIndex(ListBox list) const override {
    const auto found = selection.find(list.name);
    return found == selection.end() ? kNoSelection : found->second;
  }
  void setSelectedIndex(ListBox list, ListIndex index) override { selection[list.name] = index; }
  std::string text(TextBox box) const override {
    const auto found = texts.find(box.name);
    return found == texts.end() ? "" : found->second;
  }
  void setText(TextBox box, const std::string& text) override { texts[box.name] = text; }
  std::int16_t chkBaseValue() const override { return chkBase; }
  void showFileOpenDialog(const FileDialogSettings&) override {}
  std::string chosenFileName() const override { return "game.exe"; }
  void setChosenFileName(const std::string&) override {}
  void showMessage(const std::string&, const std::string&, MessageIcon) override { ++messagesShown; }
  std::string decimalSeparator() const override { return "."; }
};

void setAffix(tests::GameFileFixture& file, const TableLayout& table, ListIndex index) {
  file.setField(table, kEffectMin, index, 21);
  file.setField(table, kEffectMax, index, 30);
  file.setField(table, kCostMin, index, 1000);
  file.setField(table, kCostMax, index, 2000);
  file.setField(table, kPriceMultiplier, index, 2);
}

// The heaviest press: base item, prefix, suffix and spell, every step running.
void BM_GetCostsFullItem(benchmark::State& state) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
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
  window.selection = {{cboPrefix.name, 3}, {cboSuffix.name, 5}, {cboBase.name, 7}, {cboSpell.name, 2}};
  window.texts = {{txtPreEff.name, "25"}, {txtSufEff.name, "27.5"}, {txtCharge.name, "25"}};

  PressOutcome outcome;
  for (auto _ : state) {
    if (state.range(0) == 0)
      getCosts(executable, window);
    else
      pressGetCosts(executable, window, outcome);
    benchmark::DoNotOptimize(window.texts);
  }
  if (window.texts[kGriswold.priceBox.name] != "Unavailable")
    state.SkipWithError("the spell price was not written");
}
// 0: the press alone; 1: the press with the game's figures beside it, as the Details window and price command
// get it.
BENCHMARK(BM_GetCostsFullItem)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pricewright

BENCHMARK_MAIN();
