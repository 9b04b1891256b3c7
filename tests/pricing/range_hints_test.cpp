#include "pricing/range_hints.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

namespace pricewright {
namespace {

using testing::GameFileFixture;
using testing::RecordingWindow;
using testing::setTextCall;

struct RangeCase {
  const char* name;
  std::function<void(const OpenExecutable&, Window&)> handler;
  const TableLayout* table;
  const FieldLayout* low;
  const FieldLayout* high;
  TextBox box;
};

class RangeHintTest : public ::testing::TestWithParam<RangeCase> {
protected:
  std::vector<std::string> pick(ListIndex index) {
    file.writeTo(path);
    const OpenExecutable executable = GameExecutable(path.string());
    window.selected(GetParam().table->list) = index;
    window.clearCalls();
    GetParam().handler(executable, window);
    return window.writes();
  }
  void setRange(ListIndex index, std::int32_t low, std::int32_t high) {
    file.setField(*GetParam().table, *GetParam().low, index, low);
    file.setField(*GetParam().table, *GetParam().high, index, high);
  }

  testing::TemporaryDirectory directory;
  std::filesystem::path path = directory.file("game.exe");
  GameFileFixture file;
  RecordingWindow window;
};

TEST_P(RangeHintTest, WritesTheSelectedRecordsRangeAsBlankSignedText) {
  const TextBox box = GetParam().box;
  setRange(4, 21, 30);
  setRange(5, -10, -5);
  setRange(6, 0, 3);
  window.box(box) = "typed";
  EXPECT_EQ(pick(4), std::vector{setTextCall(box, " 21- 30")});
  EXPECT_EQ(pick(5), std::vector{setTextCall(box, "-10--5")});
  EXPECT_EQ(pick(6), std::vector{setTextCall(box, " 0- 3")});
}

TEST_P(RangeHintTest, EmptiesTheBoxWithoutASelectionOrWithoutAFile) {
  window.box(GetParam().box) = "typed";
  EXPECT_EQ(pick(kNoSelection), std::vector{setTextCall(GetParam().box, "")});

  window.selected(GetParam().table->list) = 4;
  window.clearCalls();
  GetParam().handler(OpenExecutable{}, window);
  EXPECT_EQ(window.writes(), std::vector{setTextCall(GetParam().box, "")});
}

TEST_P(RangeHintTest, AShortOrVanishedFileRaisesAnErrorAndLeavesTheBox) {
  file.resize(static_cast<std::size_t>(GetParam().table->recordZeroPosition));
  EXPECT_THROW(pick(0), RuntimeError);
  EXPECT_TRUE(window.writes().empty());

  file = GameFileFixture();
  file.writeTo(path);
  const OpenExecutable executable = GameExecutable(path.string());
  std::filesystem::remove(path);
  window.selected(GetParam().table->list) = 0;
  window.clearCalls();
  try {
    GetParam().handler(executable, window);
    ADD_FAILURE() << "expected File not found";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
  }
  EXPECT_TRUE(window.writes().empty());
}

INSTANTIATE_TEST_SUITE_P(Lists, RangeHintTest,
                         ::testing::Values(RangeCase{"Prefix", prefixSelected, &kPrefixTable, &kEffectMin,
                                                     &kEffectMax, TextBox::txtPreEff},
                                           RangeCase{"Suffix", suffixSelected, &kSuffixTable, &kEffectMin,
                                                     &kEffectMax, TextBox::txtSufEff},
                                           RangeCase{"Spell", spellSelected, &kSpellTable, &kChargesMin,
                                                     &kChargesMax, TextBox::txtCharge}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlainItemChosen, ClearsChoicesAndBoxesInOrderAndKeepsTheBaseItem) {
  RecordingWindow window;
  for (const std::int16_t checked : std::initializer_list<std::int16_t>{1, 0}) {
    window.chkBase = checked;
    window.selected(ListBox::cboBase) = 12;
    window.selected(ListBox::cboPrefix) = 3;
    window.clearCalls();
    plainItemChosen(window);
    EXPECT_EQ(window.writes(),
              (std::vector<std::string>{"setSelectedIndex cboPrefix -1", setTextCall(TextBox::txtPreEff, ""),
                                        "setSelectedIndex cboSuffix -1", setTextCall(TextBox::txtSufEff, ""),
                                        "setSelectedIndex cboSpell -1", setTextCall(TextBox::txtCharge, ""),
                                        setTextCall(TextBox::txtCostGris, ""),
                                        setTextCall(TextBox::txtCostWirt, ""),
                                        setTextCall(TextBox::txtCostAdria, "")}));
    EXPECT_EQ(window.selected(ListBox::cboBase), 12);
  }
}

}  // namespace
}  // namespace pricewright
