#include "pricing/range_hints.h"

#include <gtest/gtest.h>

#include "pricing/plain_item_reset.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

// Record 4 of each list, read from a good file, from no file and from one cut
// before the tables.
TEST(ListPicked, ShowsThePickedRecordsRangeOrNothingAndFailsBeforeWriting) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
  file.setAffix(Table::Prefixes, 4, {21, 30, 0, 0, 0});
  file.setAffix(Table::Suffixes, 4, {-10, -5, 0, 0, 0});
  file.setSpell(4, {0, 3, 0});
  const auto opened = [&](const std::string& name) {
    return std::optional<OpenGame>{OpenGame{GameExecutable(directory.write(file, name)), {kDiablo107}}};
  };
  const std::optional<OpenGame> good = opened("good.exe");
  file.resize(500'000);
  const std::optional<OpenGame> cut = opened("cut.exe");
  tests::RecordingWindow window;
  const auto pick = [&](ListBox list, ListIndex index, const std::optional<OpenGame>& from) {
    window.select(list, index);
    return window.after([&] { listPicked(list, from, window); }).substr(0, 42);
  };
  for (const auto& [list, shown, box, low] :
       {std::tuple{cboPrefix, "txtPreEff= 21- 30", "txtPreEff=", "EffectMin"},
        {cboSuffix, "txtSufEff=-10--5", "txtSufEff=", "EffectMin"},
        {cboSpell, "txtCharge= 0- 3", "txtCharge=", "ChargesMin"}}) {
    EXPECT_EQ(pick(list, 4, good) + pick(list, kNoSelection, good) + pick(list, 4, std::nullopt),
              shown + std::string(box) + box);
    EXPECT_EQ(pick(list, 4, cut), ("Input past end of file (62): Reading " + std::string(low)).substr(0, 42));
  }
  EXPECT_EQ(pick(cboBase, 4, good) + pick(cboBase, 4, cut), "");
}

TEST(PlainItemChosen, ClearsEachChoiceBeforeItsBoxThenThePricesAndKeepsTheBaseItem) {
  tests::RecordingWindow window;
  window.select(cboBase, 12);
  EXPECT_EQ(
      window.after([&] { plainItemChosen(window); }),
      "cboPrefix=-1 | txtPreEff= | cboSuffix=-1 | txtSufEff= | cboSpell=-1 | txtCharge= | txtCostGris= | "
      "txtCostWirt= | txtCostAdria=");
  EXPECT_EQ(window.selectedIndex(cboBase), 12);
}
