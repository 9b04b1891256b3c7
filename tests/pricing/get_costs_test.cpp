#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "gamedata/error.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

namespace pricewright {
namespace {

using testing::messageCall;
using testing::setTextCall;
using Writes = std::vector<std::string>;

constexpr ListIndex kPicked = 3;
constexpr std::int32_t kHigh = 1'000'000;  // a limit no price here reaches

// A list's choice: the picked record's values (none: nothing picked) and the box beside the list.
struct Choice {
  std::vector<std::int32_t> record;  // EffectMin, EffectMax, CostMin, CostMax, PriceMultiplier; ChargeValue
  std::string text;
};
struct Item {
  bool normalItemOnly = false;
  std::optional<std::int32_t> basePrice{};
  Choice prefix{}, suffix{}, spell{};
  std::array<std::int32_t, 3> limits{kHigh, kHigh, kHigh};  // Griswold, Wirt, Adria
  std::string separator = ".";
  std::size_t fileSize = testing::GameFileFixture::kDefaultSize;
};

// The made-up records of the worked example: the prefix alone prices 1644.44...
const std::vector<std::int32_t> kExamplePrefix{21, 30, 1000, 2000, 2};
const std::vector<std::int32_t> kExampleSuffix{5, 5, 300, 300, 1};
const std::vector<std::int32_t> kFixedPrefix{5, 5, 300, 900, 1};  // 300 + 1 x B

Writes joined(std::initializer_list<Writes> parts) {
  Writes all;
  for (const Writes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Sets up the window and a game file as `item` says, presses "Get Costs" and
// returns what the window was told and then, if the press failed, what failed.
Writes press(const Item& item) {
  testing::GameFileFixture file;
  testing::RecordingWindow window;
  const std::vector<const FieldLayout*> affixFields{&kEffectMin, &kEffectMax, &kCostMin, &kCostMax,
                                                    &kPriceMultiplier};
  for (const auto& [choice, table, box, fields] :
       {std::tuple{&item.prefix, &kPrefixTable, TextBox::txtPreEff, affixFields},
        {&item.suffix, &kSuffixTable, TextBox::txtSufEff, affixFields},
        {&item.spell, &kSpellTable, TextBox::txtCharge, std::vector{&kChargeValue}}}) {
    window.selected(table->list) = choice->record.empty() ? kNoSelection : kPicked;
    window.box(box) = choice->text;
    for (std::size_t f = 0; f < choice->record.size(); ++f)
      file.setField(*table, *fields[f], kPicked, choice->record[f]);
  }
  window.selected(ListBox::cboBase) = item.basePrice ? kPicked : kNoSelection;
  if (item.basePrice) file.setField(kBaseItemTable, kBasePrice, kPicked, *item.basePrice);
  file.setLimit(kGriswoldLimit, item.limits[0]);
  file.setLimit(kWirtLimit, item.limits[1]);
  file.setLimit(kAdriaLimit, item.limits[2]);
  file.resize(item.fileSize);
  window.chkBase = item.normalItemOnly ? 1 : 0;
  window.separator = item.separator;

  testing::TemporaryDirectory directory;
  file.writeTo(directory.file("game.exe"));
  try {
    getCosts(GameExecutable(directory.file("game.exe").string()), window);
  } catch (const RuntimeError& error) {
    return joined({window.writes(), {std::string(error.description()) + ": " + error.whatFailed()}});
  }
  return window.writes();
}

Writes note(const std::string& shop) {
  return {messageCall("Item Not Found at " + shop + "'s Shop", "Note", MessageIcon::None)};
}
Writes boxes(const std::string& griswold, const std::string& wirt, const char* adria = nullptr) {
  Writes writes{setTextCall(TextBox::txtCostGris, griswold), setTextCall(TextBox::txtCostWirt, wirt)};
  if (adria) writes.push_back(setTextCall(TextBox::txtCostAdria, adria));
  return writes;
}
Writes affixBoxes(const std::string& gris, const std::string& wirt) { return boxes(gris, wirt, "---"); }
Writes spellBoxes(const char* adria) { return boxes("Unavailable", "Unavailable", adria); }
std::string fixedOverflow(const std::string& what) {
  return "Overflow: " + what + " is beyond the range of a 32-bit integer.";
}

// What the window is told for an item, then what failed, if anything.
const std::tuple<const char*, Item, Writes> kPriceCases[] = {
    {"WorkedExampleWithSuffix",
     {.basePrice = 100,
      .prefix = {kExamplePrefix, "25"},
      .suffix = {kExampleSuffix, "5"},
      .limits = {1500, 3100, kHigh}},
     joined({affixBoxes("1644.44444444444", "2466.66666666667"),
             affixBoxes("2044.44444444444", "3066.66666666667"), note("Griswold")})},
    {"WorkedExamplePlainItemWithSpell",
     {.normalItemOnly = true, .basePrice = 100, .spell = {{80}, "25"}},
     joined({boxes("100", "Unavailable"), spellBoxes("500")})},
    {"SpellAloneReadsTheBasePriceItself", {.basePrice = 100, .spell = {{80}, "25"}}, spellBoxes("500")},
    {"NoBaseItemPricesAsZeroInTheLocalesForm",
     {.normalItemOnly = true, .prefix = {kExamplePrefix, " 25,0 "}, .separator = ","},
     joined({boxes("", ""), affixBoxes("1444,44444444444", "2166,66666666667")})},
    {"NegativeMultiplierDividesAndPricesAtTheLimitsShowNoNote",
     {.basePrice = 100, .prefix = {{5, 5, 1000, 1000, -5}, "5"}, .limits = {980, 1470, 980}},
     affixBoxes("980", "1470")},
    {"NotesInShopOrderAfterTheBoxesTheyJudge",
     {.basePrice = 100,
      .prefix = {{5, 5, 500, 500, 3}, "5"},
      .spell = {{50}, "10"},
      .limits = {799, 1199, 1099}},
     joined({affixBoxes("800", "1200"), note("Griswold"), note("Wirt"), spellBoxes("1100"), note("Adria")})},
    // A fixed effect needs no value, but what is typed must still be a number.
    {"SuffixValueNotANumber",
     {.basePrice = 100, .prefix = {kFixedPrefix, "5"}, .suffix = {kExampleSuffix, " 21- 30"}},
     joined({affixBoxes("400", "600"),
             {"Type mismatch: The suffix's Effect Value \" 21- 30\" is not a number."}})},
    {"SpellChargesNotANumber",
     {.basePrice = 100, .spell = {{80}, " 3- 9"}, .limits = {-1, kHigh, kHigh}},
     joined({note("Griswold"), {"Type mismatch: The Spell Charges \" 3- 9\" is not a number."}})},
    {"CostRangeOverflow",
     {.prefix = {{0, 1, -1, INT_MAX, 0}, "0"}},
     {fixedOverflow("The prefix's cost range (2147483647 - -1)")}},
    {"MultiplierSumOverflow",
     {.prefix = {{5, 5, 0, 0, INT_MAX}, "5"}, .suffix = {{5, 5, 0, 0, 1}, "5"}},
     joined({affixBoxes("0", "0"), {fixedOverflow("The sum of the PriceMultipliers (1 + 2147483647)")}})},
    {"CostMinSumOverflow",
     {.prefix = {{5, 5, INT_MAX, INT_MAX, 0}, "5"}, .suffix = {{5, 5, 1, 1, 0}, "5"}},
     joined({affixBoxes("2147483647", "3221225470.5"),
             {fixedOverflow("The sum of the CostMins (2147483647 + 1)")}})},
    {"BaseTermOverflow",
     {.basePrice = INT_MAX, .prefix = {{5, 5, 0, 0, 2}, "5"}},
     {fixedOverflow("The base item's part of the price (2 * 2147483647)")}},
    {"ShareOverflow",
     {.prefix = {{0, 1, 0, 1000, 0}, "1E308"}},
     {"Overflow: The prefix's share of the price is beyond the range of a double."}},
    {"TypedValueOverflow",
     {.prefix = {kFixedPrefix, "1E400"}},
     {"Overflow: The prefix's Effect Value \"1E400\" is beyond the range of a number."}},
};

TEST(GetCosts, WritesTheBoxesAndNotesInOrderThenSaysWhatFailed) {
  for (const auto& [name, item, shown] : kPriceCases) EXPECT_EQ(press(item), shown) << name;
}

TEST(GetCosts, AReadPastTheEndSaysWhatItWasReading) {
  const Writes shown = press({.prefix = {kFixedPrefix, "5"}, .fileSize = kPrefixTable.recordZeroPosition});
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].starts_with("Input past end of file: Reading CostMax of prefix record 3: "))
      << shown[0];
}

TEST(GetCosts, WithoutAnOpenExecutableShowsFileNotLoadedAndNothingElse) {
  testing::RecordingWindow window;
  window.chosen = "game.exe";  // a failed open leaves the dialog's name behind
  getCosts(OpenExecutable{}, window);
  EXPECT_EQ(window.calls, Writes{messageCall("File Not Loaded!!", "Error", MessageIcon::Warning)});
}

}  // namespace
}  // namespace pricewright
