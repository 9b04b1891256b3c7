#include "pricing/get_costs.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/error.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/recording_window.h"

namespace pricewright {
namespace {

using testing::messageCall;
using testing::setTextCall;
using Writes = std::vector<std::string>;

struct AffixRecord {
  std::int32_t effectMin, effectMax, costMin, costMax, multiplier;
};
struct Limits {
  std::int32_t griswold = 1'000'000, wirt = 1'000'000, adria = 1'000'000;
};

// What the window shows and the file holds; a record that is set is selected.
struct Item {
  bool normalItemOnly = false;
  std::optional<std::int32_t> basePrice{};
  std::optional<AffixRecord> prefix{}, suffix{};
  std::optional<std::int32_t> chargeValue{};
  std::string preEff{}, sufEff{}, charges{};
  Limits limits{};
  std::string separator = ".";
};

constexpr ListIndex kBase = 7, kPrefix = 3, kSuffix = 5, kSpell = 2;

void setAffix(testing::GameFileFixture& file, const TableLayout& table, ListIndex index,
              const AffixRecord& r) {
  file.setField(table, kEffectMin, index, r.effectMin);
  file.setField(table, kEffectMax, index, r.effectMax);
  file.setField(table, kCostMin, index, r.costMin);
  file.setField(table, kCostMax, index, r.costMax);
  file.setField(table, kPriceMultiplier, index, r.multiplier);
}

class GetCostsTest : public ::testing::Test {
protected:
  void arrange(const Item& item) {
    file.setLimit(kGriswoldLimit, item.limits.griswold);
    file.setLimit(kWirtLimit, item.limits.wirt);
    file.setLimit(kAdriaLimit, item.limits.adria);
    if (item.basePrice) file.setField(kBaseItemTable, kBasePrice, kBase, *item.basePrice);
    if (item.prefix) setAffix(file, kPrefixTable, kPrefix, *item.prefix);
    if (item.suffix) setAffix(file, kSuffixTable, kSuffix, *item.suffix);
    if (item.chargeValue) file.setField(kSpellTable, kChargeValue, kSpell, *item.chargeValue);
    file.writeTo(path);

    window.chkBase = item.normalItemOnly ? 1 : 0;
    window.selected(ListBox::cboBase) = item.basePrice ? kBase : kNoSelection;
    window.selected(ListBox::cboPrefix) = item.prefix ? kPrefix : kNoSelection;
    window.selected(ListBox::cboSuffix) = item.suffix ? kSuffix : kNoSelection;
    window.selected(ListBox::cboSpell) = item.chargeValue ? kSpell : kNoSelection;
    window.box(TextBox::txtPreEff) = item.preEff;
    window.box(TextBox::txtSufEff) = item.sufEff;
    window.box(TextBox::txtCharge) = item.charges;
    window.separator = item.separator;
  }

  Writes press(const OpenExecutable& executable) {
    window.clearCalls();
    getCosts(executable, window);
    return window.writes();
  }
  Writes press(const Item& item) {
    arrange(item);
    return press(OpenExecutable(GameExecutable(path.string())));
  }
  RuntimeError failure(const Item& item) {
    try {
      press(item);
    } catch (const RuntimeError& error) {
      return error;
    }
    throw std::logic_error("the press raised no error");
  }

  testing::TemporaryDirectory directory;
  std::filesystem::path path = directory.file("game.exe");
  testing::GameFileFixture file;
  testing::RecordingWindow window;
};

std::string note(const std::string& shop) {
  return messageCall("Item Not Found at " + shop + "'s Shop", "Note", MessageIcon::None);
}
Writes basePriceBoxes(const std::string& griswold) {
  return {setTextCall(TextBox::txtCostGris, griswold), setTextCall(TextBox::txtCostWirt, "Unavailable")};
}
Writes affixPriceBoxes(const std::string& griswold, const std::string& wirt) {
  return {setTextCall(TextBox::txtCostGris, griswold), setTextCall(TextBox::txtCostWirt, wirt),
          setTextCall(TextBox::txtCostAdria, "---")};
}
Writes spellPriceBoxes(const std::string& adria) {
  return {setTextCall(TextBox::txtCostGris, "Unavailable"), setTextCall(TextBox::txtCostWirt, "Unavailable"),
          setTextCall(TextBox::txtCostAdria, adria)};
}
Writes joined(std::initializer_list<Writes> parts) {
  Writes all;
  for (const Writes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The made-up records of the worked example: the prefix alone prices 1644.44...
constexpr AffixRecord kExamplePrefix{21, 30, 1000, 2000, 2};
constexpr AffixRecord kFixedPrefix{5, 5, 300, 900, 1};  // 300 + 1 x B
constexpr AffixRecord kFixedSuffix{5, 5, 300, 300, 1};

struct PriceCase {
  const char* name;
  Item item;
  Writes writes;
};

void PrintTo(const PriceCase& c, std::ostream* out) { *out << c.name; }

class GetCostsPriceTest : public GetCostsTest, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(GetCostsPriceTest, WritesTheBoxesAndNotesInOrder) {
  EXPECT_EQ(press(GetParam().item), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Items, GetCostsPriceTest,
    ::testing::Values(
        PriceCase{"NothingSelectedChangesNothing", {}, {}},
        PriceCase{"AnEmptyPriceComparesAsZero",
                  {.limits = {-1, -1, -1}},
                  {note("Griswold"), note("Wirt"), note("Adria")}},
        PriceCase{"PlainItem", {.normalItemOnly = true, .basePrice = 250}, basePriceBoxes("250")},
        PriceCase{"PlainItemWithoutBaseItem",
                  {.normalItemOnly = true},
                  {setTextCall(TextBox::txtCostGris, ""), setTextCall(TextBox::txtCostWirt, "")}},
        PriceCase{"WorkedExamplePrefix",
                  {.basePrice = 100, .prefix = kExamplePrefix, .preEff = "25", .limits = {1500, 3000}},
                  joined({affixPriceBoxes("1644.44444444444", "2466.66666666667"), {note("Griswold")}})},
        PriceCase{"WorkedExampleWithSuffix",
                  {.basePrice = 100,
                   .prefix = kExamplePrefix,
                   .suffix = kFixedSuffix,
                   .preEff = "25",
                   .sufEff = "5"},
                  joined({affixPriceBoxes("1644.44444444444", "2466.66666666667"),
                          affixPriceBoxes("2044.44444444444", "3066.66666666667")})},
        PriceCase{"WorkedExampleSpell",
                  {.normalItemOnly = true, .basePrice = 100, .chargeValue = 80, .charges = "25"},
                  joined({basePriceBoxes("100"), spellPriceBoxes("500")})},
        PriceCase{"LocaleSeparatorAndUnroundedFraction",
                  {.basePrice = 100, .prefix = kExamplePrefix, .preEff = " 25,25 ", .separator = ","},
                  affixPriceBoxes("1672,22222222222", "2508,33333333333")},
        PriceCase{"PrefixOverwritesPlainItem",
                  {.normalItemOnly = true, .basePrice = 100, .prefix = kExamplePrefix, .preEff = "25"},
                  joined({basePriceBoxes("100"), affixPriceBoxes("1644.44444444444", "2466.66666666667")})},
        PriceCase{"FixedEffectAddsCostMinOnly",
                  {.basePrice = 100, .prefix = kFixedPrefix, .preEff = "5"},
                  affixPriceBoxes("400", "600")},
        PriceCase{"ValueBelowRangeGivesNegativeShare",
                  {.basePrice = 0, .prefix = kExamplePrefix, .preEff = "16"},
                  affixPriceBoxes("444.444444444444", "666.666666666667")},
        PriceCase{"ZeroMultiplierSumAddsNoBasePrice",
                  {.basePrice = 100, .prefix = AffixRecord{5, 5, 300, 300, 0}, .preEff = "5"},
                  affixPriceBoxes("300", "450")},
        PriceCase{"NegativeMultiplierSumDividesTheBasePrice",
                  {.basePrice = 100, .prefix = AffixRecord{5, 5, 1000, 1000, -4}, .preEff = "5"},
                  affixPriceBoxes("975", "1462.5")},
        PriceCase{"IntegerPriceWidensInsteadOfOverflowing",
                  {.basePrice = 100, .prefix = AffixRecord{5, 5, INT_MAX, INT_MAX, 1}, .preEff = "5"},
                  joined({affixPriceBoxes("2147483747", "3221225620.5"),
                          {note("Griswold"), note("Wirt"), note("Adria")}})},
        PriceCase{"NoBaseItemCountsAsZero",
                  {.prefix = kExamplePrefix, .preEff = "25"},
                  affixPriceBoxes("1444.44444444444", "2166.66666666667")},
        PriceCase{"PricesEqualToTheLimitsShowNoNote",
                  {.basePrice = 100, .prefix = kFixedPrefix, .preEff = "5", .limits = {400, 600, 400}},
                  affixPriceBoxes("400", "600")},
        PriceCase{"PricesAboveTheLimitsShowNotesInShopOrder",
                  {.basePrice = 100, .prefix = kFixedPrefix, .preEff = "5", .limits = {399, 599, 399}},
                  joined({affixPriceBoxes("400", "600"), {note("Griswold"), note("Wirt"), note("Adria")}})},
        PriceCase{"SpellUsesThePrefixMultiplierAfterTheAffixNotes",
                  {.basePrice = 100,
                   .prefix = AffixRecord{5, 5, 500, 500, 3},
                   .chargeValue = 50,
                   .preEff = "5",
                   .charges = "10",
                   .limits = {100, 100}},
                  joined({affixPriceBoxes("800", "1200"),
                          {note("Griswold"), note("Wirt")},
                          spellPriceBoxes("1100")})},
        PriceCase{
            "SpellIgnoresTheSuffix",
            {.basePrice = 100, .suffix = kFixedSuffix, .chargeValue = 50, .sufEff = "5", .charges = "10"},
            joined({affixPriceBoxes("400", "600"), spellPriceBoxes("200")})},
        PriceCase{"NegativeSpellMultiplierDividesAndLowers",
                  {.basePrice = 100,
                   .prefix = AffixRecord{5, 5, 500, 500, -2},
                   .chargeValue = 50,
                   .preEff = "5",
                   .charges = "10"},
                  joined({affixPriceBoxes("450", "675"), spellPriceBoxes("250")})},
        PriceCase{"SpellAloneIncludesTheBasePrice",
                  {.basePrice = 100, .chargeValue = 80, .charges = "25"},
                  spellPriceBoxes("500")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GetCostsTest, WithoutAnOpenExecutableShowsFileNotLoadedAndNothingElse) {
  arrange({.normalItemOnly = true, .basePrice = 100, .prefix = kExamplePrefix, .chargeValue = 80});
  window.chosen = path.string();  // a failed open leaves the dialog's name behind
  press(OpenExecutable{});
  EXPECT_EQ(window.calls, Writes{messageCall("File Not Loaded!!", "Error", MessageIcon::Warning)});
}

TEST_F(GetCostsTest, EveryPressStartsAfreshAndReadsTheFileAgain) {
  arrange({.basePrice = 100, .prefix = kFixedPrefix, .preEff = "5"});
  const OpenExecutable executable = GameExecutable(path.string());
  EXPECT_EQ(press(executable), affixPriceBoxes("400", "600"));

  file.setField(kBaseItemTable, kBasePrice, kBase, 200);
  file.writeTo(path);
  EXPECT_EQ(press(executable), affixPriceBoxes("500", "750"));

  // Neither the prefix nor the base price of the last press stays behind.
  window.selected(ListBox::cboPrefix) = kNoSelection;
  window.selected(ListBox::cboBase) = kNoSelection;
  window.selected(ListBox::cboSpell) = kSpell;
  file.setField(kSpellTable, kChargeValue, kSpell, 80);
  file.writeTo(path);
  window.box(TextBox::txtCharge) = "25";
  EXPECT_EQ(press(executable), spellPriceBoxes("400"));
}

TEST_F(GetCostsTest, TextThatIsNotANumberStopsWhereItIsReadAndKeepsEarlierWrites) {
  const RuntimeError error =
      failure({.normalItemOnly = true, .basePrice = 100, .prefix = kExamplePrefix, .preEff = " 21- 30"});
  EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch);
  EXPECT_EQ(error.whatFailed(), "The prefix's Effect Value \" 21- 30\" is not a number.");
  EXPECT_EQ(window.writes(), basePriceBoxes("100"));

  // Even an affix whose range makes the value irrelevant needs a number.
  EXPECT_EQ(failure({.prefix = kFixedPrefix, .preEff = ""}).number(), ErrorNumber::TypeMismatch);

  EXPECT_EQ(
      failure(
          {.basePrice = 100, .prefix = kFixedPrefix, .suffix = kFixedSuffix, .preEff = "5", .sufEff = "x"})
          .whatFailed(),
      "The suffix's Effect Value \"x\" is not a number.");
  EXPECT_EQ(window.writes(), affixPriceBoxes("400", "600"));

  const Item spell{.basePrice = 100, .chargeValue = 80, .charges = " 3- 9", .limits = {.griswold = -1}};
  EXPECT_EQ(failure(spell).whatFailed(), "The Spell Charges \" 3- 9\" is not a number.");
  EXPECT_EQ(window.writes(), Writes{note("Griswold")});
}

struct OverflowCase {
  const char* name;
  Item item;
  std::string whatFailed;
  Writes writesBefore{};
};

void PrintTo(const OverflowCase& c, std::ostream* out) { *out << c.name; }

class GetCostsOverflowTest : public GetCostsTest, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(GetCostsOverflowTest, SaysWhatOverflowedAndKeepsEarlierWrites) {
  const RuntimeError error = failure(GetParam().item);
  EXPECT_EQ(error.number(), ErrorNumber::Overflow);
  EXPECT_EQ(error.whatFailed(), GetParam().whatFailed);
  EXPECT_EQ(window.writes(), GetParam().writesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    FixedAndDouble, GetCostsOverflowTest,
    ::testing::Values(
        OverflowCase{"CostRange",
                     {.prefix = AffixRecord{0, 1, -1, INT_MAX, 0}, .preEff = "0"},
                     "The prefix's cost range (2147483647 - -1) is beyond the range of a 32-bit integer."},
        OverflowCase{
            "MultiplierSum",
            {.prefix = AffixRecord{5, 5, 0, 0, INT_MAX},
             .suffix = AffixRecord{5, 5, 0, 0, 1},
             .preEff = "5",
             .sufEff = "5"},
            "The sum of the PriceMultipliers (1 + 2147483647) is beyond the range of a 32-bit integer.",
            affixPriceBoxes("0", "0")},
        OverflowCase{"CostMinSum",
                     {.prefix = AffixRecord{5, 5, INT_MAX, INT_MAX, 0},
                      .suffix = AffixRecord{5, 5, 1, 1, 0},
                      .preEff = "5",
                      .sufEff = "5"},
                     "The sum of the CostMins (2147483647 + 1) is beyond the range of a 32-bit integer.",
                     affixPriceBoxes("2147483647", "3221225470.5")},
        OverflowCase{
            "BaseTerm",
            {.basePrice = INT_MAX, .prefix = AffixRecord{5, 5, 0, 0, 2}, .preEff = "5"},
            "The base item's part of the price (2 * 2147483647) is beyond the range of a 32-bit integer."},
        OverflowCase{"Share",
                     {.prefix = AffixRecord{0, 1, 0, 1000, 0}, .preEff = "1E308"},
                     "The prefix's share of the price is beyond the range of a double."},
        OverflowCase{"TypedValue",
                     {.prefix = kFixedPrefix, .preEff = "1E400"},
                     "The prefix's Effect Value \"1E400\" is beyond the range of a number."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GetCostsTest, AReadPastTheEndSaysWhatItWasReading) {
  arrange({.prefix = kFixedPrefix, .preEff = "5"});
  file.resize(static_cast<std::size_t>(kPrefixTable.recordZeroPosition));
  file.writeTo(path);
  try {
    press(OpenExecutable(GameExecutable(path.string())));
    FAIL() << "expected a read error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ErrorNumber::InputPastEndOfFile);
    EXPECT_EQ(error.whatFailed().rfind("Reading CostMax of prefix record 3: ", 0), 0u) << error.whatFailed();
  }
}

}  // namespace
}  // namespace pricewright
