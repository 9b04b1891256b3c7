#include "pricing/get_costs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/error.h"
#include "gamedata/layout.h"
#include "pricing/calc_value.h"
#include "pricing/fixed_arithmetic.h"
#include "pricing/number_conversion.h"
#include "pricing/plain_number_text.h"
#include "pricing/record_reads.h"

namespace pricewright {

namespace {
constexpr std::string_view kUnavailable = "Unavailable";
constexpr std::string_view kNotSoldHere = "---";

constexpr std::string_view kGriswoldNote = "Item Not Found at Griswold's Shop";
constexpr std::string_view kWirtNote = "Item Not Found at Wirt's Shop";
constexpr std::string_view kAdriaNote = "Item Not Found at Adria's Shop";

// An affix's working values: zero and empty until its step reads the record,
// so that the affix price of the prefix alone leaves the suffix out.
struct Affix {
  std::int32_t costMax = 0;
  std::int32_t costMin = 0;
  std::int32_t effectMax = 0;
  std::int32_t effectMin = 0;
  std::int32_t priceMultiplier = 0;
  CalcValue share;
};

// Where an affix comes from and how errors name its quantities.
struct AffixInputs {
  const TableLayout& table;
  TextBox effectBox;
  std::string_view effectBoxName;
  std::string_view costRangeName;
  std::string_view effectRangeName;
  std::string_view shareName;
};
constexpr AffixInputs kPrefixInputs{kPrefixTable,
                                    TextBox::txtPreEff,
                                    "The prefix's Effect Value",
                                    "The prefix's cost range",
                                    "The prefix's effect range",
                                    "The prefix's share of the price"};
constexpr AffixInputs kSuffixInputs{kSuffixTable,
                                    TextBox::txtSufEff,
                                    "The suffix's Effect Value",
                                    "The suffix's cost range",
                                    "The suffix's effect range",
                                    "The suffix's share of the price"};
constexpr std::string_view kChargesBoxName = "The Spell Charges";

// Evaluates a price formula, naming `what` when a double leaves its range.
template <typename Formula> CalcValue calculated(std::string_view what, Formula formula) {
  try {
    return formula();
  } catch (const CalcOverflow&) {
    throw RuntimeError(ErrorNumber::Overflow, std::string(what) + " is beyond the range of a double.");
  }
}

// The base item's share of a price: the multiplier times the base price, or,
// for a negative multiplier, the base price divided by it.
CalcValue baseTerm(std::int32_t multiplier, std::int32_t basePrice, std::string_view what) {
  if (multiplier >= 0) return CalcValue(fixedProduct(multiplier, basePrice, what));
  return calculated(what, [&] { return CalcValue(basePrice) / CalcValue(multiplier); });
}

// One press of "Get Costs". Each press builds a fresh one, so every working
// value starts at 0 or empty and nothing outlives the press.
class CostCalculation {
public:
  CostCalculation(const GameExecutable& executable, Window& window)
      : executable_(executable), window_(window), separator_(window.decimalSeparator()) {}

  void run() {
    if (window_.chkBaseValue() == 1) baseStep();
    const ListIndex p = window_.selectedIndex(ListBox::cboPrefix);
    if (p != kNoSelection) affixStep(kPrefixInputs, prefix_, p);
    const ListIndex s = window_.selectedIndex(ListBox::cboSuffix);
    if (s != kNoSelection) affixStep(kSuffixInputs, suffix_, s);
    griswoldAndWirtLimits();
    const ListIndex k = window_.selectedIndex(ListBox::cboSpell);
    if (k != kNoSelection) spellStep(k, p != kNoSelection);
    adriaLimit();
  }

private:
  // B for base item `b`; 0 for no selection, rather than the bytes that lie
  // one record before the table.
  std::int32_t readBasePrice(ListIndex b) {
    basePrice_ = b == kNoSelection ? 0 : readField(executable_, kBaseItemTable, kBasePrice, b);
    return *basePrice_;
  }
  std::int32_t readBasePrice() { return readBasePrice(window_.selectedIndex(ListBox::cboBase)); }

  void setText(TextBox box, std::string_view text) { window_.setText(box, std::string(text)); }
  std::string plain(const CalcValue& value) const { return plainNumberText(value, separator_); }
  void note(std::string_view text) { window_.showMessage(std::string(text), "Note", MessageIcon::None); }

  void baseStep() {
    const ListIndex b = window_.selectedIndex(ListBox::cboBase);
    const std::int32_t basePrice = readBasePrice(b);
    if (b == kNoSelection) {
      setText(TextBox::txtCostGris, "");
      setText(TextBox::txtCostWirt, "");
      return;
    }
    setText(TextBox::txtCostGris, plain(CalcValue(basePrice)));
    setText(TextBox::txtCostWirt, kUnavailable);
  }

  void affixStep(const AffixInputs& inputs, Affix& affix, ListIndex index) {
    const TableLayout& table = inputs.table;
    affix.costMax = readField(executable_, table, kCostMax, index);
    affix.costMin = readField(executable_, table, kCostMin, index);
    affix.effectMax = readField(executable_, table, kEffectMax, index);
    affix.effectMin = readField(executable_, table, kEffectMin, index);
    affix.priceMultiplier = readField(executable_, table, kPriceMultiplier, index);
    readBasePrice();

    const std::int32_t costRange = fixedDifference(affix.costMax, affix.costMin, inputs.costRangeName);
    const std::int32_t effectRange =
        fixedDifference(affix.effectMax, affix.effectMin, inputs.effectRangeName);
    // Typed text must be a number even where the range makes it irrelevant.
    const double typedValue =
        numberFromText(window_.text(inputs.effectBox), separator_, inputs.effectBoxName);
    // A finite double minus a 32-bit integer stays finite.
    const double effectOffset = typedValue - affix.effectMin;
    // The typed value is not held to the record's range: the line goes on beyond it.
    affix.share = effectRange == 0 ? CalcValue(std::int16_t{0}) : calculated(inputs.shareName, [&] {
      return CalcValue(effectOffset) / CalcValue(effectRange) * CalcValue(costRange);
    });
    writeAffixPrice();
  }

  // The price of the affixes read so far, both when the suffix step has run.
  void writeAffixPrice() {
    const std::int32_t multiplierSum =
        fixedSum(suffix_.priceMultiplier, prefix_.priceMultiplier, "The sum of the PriceMultipliers");
    const std::int32_t costMinSum = fixedSum(prefix_.costMin, suffix_.costMin, "The sum of the CostMins");
    const CalcValue base =
        baseTerm(multiplierSum, basePrice_.value_or(0), "The base item's part of the price");
    price_ =
        calculated("The price", [&] { return CalcValue(costMinSum) + prefix_.share + suffix_.share + base; });
    setText(TextBox::txtCostGris, plain(price_));
    setText(TextBox::txtCostWirt, plain(calculated("Wirt's price", [&] { return price_ * CalcValue(1.5); })));
    setText(TextBox::txtCostAdria, kNotSoldHere);
  }

  void griswoldAndWirtLimits() {
    const std::int32_t griswoldLimit = readLimit(executable_, kGriswoldLimit);
    const std::int32_t wirtLimit = readLimit(executable_, kWirtLimit);
    if (price_ > CalcValue(griswoldLimit)) note(kGriswoldNote);
    const CalcValue wirtPrice = calculated(
        "Wirt's price", [&] { return price_ * CalcValue(std::int16_t{3}) / CalcValue(std::int16_t{2}); });
    if (wirtPrice > CalcValue(wirtLimit)) note(kWirtNote);
  }

  void spellStep(ListIndex k, bool prefixSelected) {
    const std::int32_t chargeValue = readField(executable_, kSpellTable, kChargeValue, k);
    const CalcValue charges(
        TypedText{window_.text(TextBox::txtCharge), separator_, std::string(kChargesBoxName)});
    // The prefix's multiplier scales both the base price and the charges; the suffix plays no part.
    const std::int32_t multiplier = prefixSelected ? prefix_.priceMultiplier : 1;
    // With no earlier step for the base item, the spell reads its price itself.
    const std::int32_t basePrice = basePrice_ ? *basePrice_ : readBasePrice();
    const CalcValue base = baseTerm(multiplier, basePrice, "The base item's part of the spell price");
    const CalcValue chargeUnit = CalcValue(chargeValue) / CalcValue(std::int16_t{5});
    price_ = calculated("The spell price", [&] {
      return CalcValue(prefix_.costMin) + prefix_.share + base + chargeUnit * charges * CalcValue(multiplier);
    });
    setText(TextBox::txtCostGris, kUnavailable);
    setText(TextBox::txtCostWirt, kUnavailable);
    setText(TextBox::txtCostAdria, plain(price_));
  }

  void adriaLimit() {
    if (price_ > CalcValue(readLimit(executable_, kAdriaLimit))) note(kAdriaNote);
  }

  const GameExecutable& executable_;
  Window& window_;
  const std::string separator_;

  std::optional<std::int32_t> basePrice_;  // B, once a step has read it
  Affix prefix_;
  Affix suffix_;
  CalcValue price_;
};
}  // namespace

void getCosts(const OpenExecutable& executable, Window& window) {
  // An open executable, not the dialog's file name: a failed open leaves the name behind.
  if (!executable) {
    window.showMessage("File Not Loaded!!", "Error", MessageIcon::Warning);
    return;
  }
  executable->checkStillInPlace();
  CostCalculation(*executable, window).run();
}

}  // namespace pricewright
