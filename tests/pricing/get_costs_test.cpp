#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iomanip>
#include <sstream>

#include "pricing/shops.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

namespace {
// Sets up record 3 of each table and the window as `item` says (see the case
// table), presses "Get Costs" and returns what it showed, then what failed.
std::string press(const std::string& item) {
  tests::GameFileFixture file;
  tests::RecordingWindow window;
  for (const Shop* shop : kShops) file.setLimit(shop->limit, 1'000'000);
  std::size_t size = tests::GameFileFixture::kDefaultSize;
  std::istringstream clauses(item);
  for (std::string clause, word, typed; std::getline(clauses, clause, ';');) {
    std::istringstream in(clause);
    std::vector<std::int32_t> numbers;
    in >> word;
    for (std::int32_t number = 0; in >> number;) numbers.push_back(number);
    in.clear();
    in >> std::quoted(typed);
    if (word == "normal") window.chkBase = 1;
    if (word == "comma") window.separator = ",";
    if (word == "cut") size = static_cast<std::size_t>(numbers[0]);
    if (word == "limits")
      for (std::size_t shop = 0; shop < kShops.size(); ++shop)
        file.setLimit(kShops[shop]->limit, numbers[shop]);
    const auto pick = [&](const TableLayout& table, std::vector<const FieldLayout*> fields,
                          const TextBox* box) {
      window.select(table.list, 3);
      if (box) window.type(*box, typed);
      for (std::size_t f = 0; f < fields.size(); ++f) file.setField(table, *fields[f], 3, numbers[f]);
    };
    const std::vector affix{&kEffectMin, &kEffectMax, &kCostMin, &kCostMax, &kPriceMultiplier};
    if (word == "prefix") pick(kPrefixTable, affix, &txtPreEff);
    if (word == "suffix") pick(kSuffixTable, affix, &txtSufEff);
    if (word == "spell") pick(kSpellTable, {&kChargeValue}, &txtCharge);
    if (word == "base") pick(kBaseItemTable, {&kBasePrice}, nullptr);
  }
  file.resize(size);
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(file, "game.exe");
  std::string shown = window.after([&] { getCosts(GameExecutable(path), window); });
  if (const auto at = shown.find(path); at != std::string::npos) shown.replace(at, path.size(), "game.exe");
  return shown;
}
}  // namespace

TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailed) {
  std::ifstream cases(PRICEWRIGHT_TEST_DATA "/pricing/get_costs.txt");
  ASSERT_TRUE(cases.is_open());
  for (std::string line; std::getline(cases, line);) {
    if (line.starts_with('#')) continue;
    const std::size_t arrow = line.find(" =>");
    EXPECT_EQ(press(line.substr(0, arrow)), line.substr(std::min(arrow + 4, line.size()))) << line;
  }
}
