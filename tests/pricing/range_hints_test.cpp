#include "pricing/range_hints.h"

#include <gtest/gtest.h>

#include "pricing/plain_item_reset.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

// Record 4 of each list, read from a good file, from no file, from one cut
// before the tables and from one deleted since it was opened.
TEST(ListPicked, ShowsThePickedRecordsRangeOrNothingAndFailsBeforeWriting) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
  for (const auto& [table, low, high, lowValue, highValue] :
       {std::tuple{&kPrefixTable, &kEffectMin, &kEffectMax, 21, 30},
        {&kSuffixTable, &kEffectMin, &kEffectMax, -10, -5},
        {&kSpellTable, &kChargesMin, &kChargesMax, 0, 3}}) {
    file.setField(*table, *low, 4, lowValue);
    file.setField(*table, *high, 4, highValue);
  }
  const OpenExecutable good = GameExecutable(directory.write(file));
  const OpenExecutable vanished = GameExecutable(directory.write(file, "vanished.exe"));
  // Moved rather than deleted: Wine and Windows before 10 keep a deleted open
  // file's name until it is closed, while a move frees it at once everywhere.
  std::filesystem::rename(directory.file("vanished.exe"), directory.file("moved.exe"));
  file.resize(kPrefixTable.recordZeroPosition);
  const OpenExecutable cut = GameExecutable(directory.write(file, "cut.exe"));
  tests::RecordingWindow window;
  const auto pick = [&](ListBox list, ListIndex index, const OpenExecutable& from) {
    window.select(list, index);
    return window.after([&] { listPicked(list, from, window); }).substr(0, 31);
  };
  for (const auto& [list, shown, box] : {std::tuple{cboPrefix, "txtPreEff= 21- 30", "txtPreEff="},
                                         {cboSuffix, "txtSufEff=-10--5", "txtSufEff="},
                                         {cboSpell, "txtCharge= 0- 3", "txtCharge="}}) {
    EXPECT_EQ(pick(list, 4, good) + pick(list, kNoSelection, good) + pick(list, 4, OpenExecutable{}),
              shown + std::string(box) + box);
    EXPECT_EQ(pick(list, 4, cut) + pick(list, 4, vanished),
              "Input past end of file (62): ReFile not found (53): The game e");
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
