#include "pricing/range_hints.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

namespace pricewright {
namespace {

using testing::setTextCall;
using Writes = std::vector<std::string>;

constexpr ListIndex kPicked = 4;

struct RangeList {
  void (*onPick)(const OpenExecutable&, Window&);
  const TableLayout& table;
  const FieldLayout &low, &high;
  TextBox box;
  std::int32_t lowValue, highValue;  // of the picked record
  const char* hint;
};
const RangeList kLists[] = {
    {prefixSelected, kPrefixTable, kEffectMin, kEffectMax, TextBox::txtPreEff, 21, 30, " 21- 30"},
    {suffixSelected, kSuffixTable, kEffectMin, kEffectMax, TextBox::txtSufEff, -10, -5, "-10--5"},
    {spellSelected, kSpellTable, kChargesMin, kChargesMax, TextBox::txtCharge, 0, 3, " 0- 3"}};

OpenExecutable opened(const testing::GameFileFixture& file, const std::filesystem::path& path) {
  file.writeTo(path);
  return GameExecutable(path.string());
}

// What picking record `index` writes; an error must come before any write and
// is returned as its description.
Writes pick(const RangeList& list, const OpenExecutable& executable, ListIndex index) {
  testing::RecordingWindow window;
  window.selected(list.table.list) = index;
  try {
    list.onPick(executable, window);
  } catch (const RuntimeError& error) {
    EXPECT_EQ(window.writes(), Writes{});
    return {std::string(error.description())};
  }
  return window.writes();
}

TEST(RangeHints, ShowTheRecordsRangeOrNothingAndRaiseBeforeWritingWhenTheFileFails) {
  testing::TemporaryDirectory directory;
  testing::GameFileFixture file;
  testing::GameFileFixture shortFile;
  shortFile.resize(static_cast<std::size_t>(kPrefixTable.recordZeroPosition));  // ends before every table
  for (const RangeList& list : kLists) {
    file.setField(list.table, list.low, kPicked, list.lowValue);
    file.setField(list.table, list.high, kPicked, list.highValue);
  }
  const OpenExecutable executable = opened(file, directory.file("game.exe"));
  const OpenExecutable cut = opened(shortFile, directory.file("short.exe"));
  const OpenExecutable vanished = opened(file, directory.file("vanished.exe"));
  std::filesystem::remove(directory.file("vanished.exe"));
  for (const RangeList& list : kLists) {
    EXPECT_EQ(pick(list, executable, kPicked), Writes{setTextCall(list.box, list.hint)});
    EXPECT_EQ(pick(list, executable, kNoSelection), Writes{setTextCall(list.box, "")});
    EXPECT_EQ(pick(list, OpenExecutable{}, kPicked), Writes{setTextCall(list.box, "")});
    EXPECT_EQ(pick(list, cut, kPicked), Writes{"Input past end of file"});
    EXPECT_EQ(pick(list, vanished, kPicked), Writes{"File not found"});
  }
}

TEST(PlainItemChosen, ClearsChoicesAndBoxesInOrderAndKeepsTheBaseItem) {
  testing::RecordingWindow window;
  for (const std::int16_t checked : std::initializer_list<std::int16_t>{1, 0}) {
    window.chkBase = checked;
    window.selected(ListBox::cboBase) = 12;
    window.clearCalls();
    plainItemChosen(window);
    EXPECT_EQ(window.writes(),
              (Writes{"setSelectedIndex cboPrefix -1", setTextCall(TextBox::txtPreEff, ""),
                      "setSelectedIndex cboSuffix -1", setTextCall(TextBox::txtSufEff, ""),
                      "setSelectedIndex cboSpell -1", setTextCall(TextBox::txtCharge, ""),
                      setTextCall(TextBox::txtCostGris, ""), setTextCall(TextBox::txtCostWirt, ""),
                      setTextCall(TextBox::txtCostAdria, "")}));
    EXPECT_EQ(window.selected(ListBox::cboBase), 12);
  }
}

}  // namespace
}  // namespace pricewright
