#include "pricing/get_costs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gamedata/error.h"
#include "gamedata/game_file_layout.h"
#include "pricing/fixed_arithmetic.h"
#include "pricing/number_text.h"
#include "pricing/record_reads.h"
#include "pricing/shops.h"

namespace pricewright {

// Prices are doubles. The parts that are whole numbers (record values, their
// 32-bit sums and multiples) stay below 2^53, where a double is exact, and
// every whole price shows as its digits, so the price and its text are those
// of integer arithmetic wherever that would apply.
namespace {
constexpr std::string_view kUnavailable = "Unavailable";
constexpr std::string_view kNotSoldHere = "---";

// An affix's working values: zero until its step reads the record, so that the
// affix price of the prefix alone leaves the suffix out.
struct Affix {
  std::int32_t costMax = 0;
  std::int32_t costMin = 0;
  std::int32_t effectMax = 0;
  std::int32_t effectMin = 0;
  std::int32_t priceMultiplier = 0;
  double share = 0;
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
                                    txtPreEff,
                                    "The prefix's Effect Value",
                                    "The prefix's cost range",
                                    "The prefix's effect range",
                                    "The prefix's share of the price"};
constexpr AffixInputs kSuffixInputs{kSuffixTable,
                                    txtSufEff,
                                    "The suffix's Effect Value",
                                    "The suffix's cost range",
                                    "The suffix's effect range",
                                    "The suffix's share of the price"};
constexpr std::string_view kChargesBoxName = "The Spell Charges";

// A calculated value, or Overflow naming `what` when it left the range of a double.
double checked(double value, std::string_view what) {
  if (!std::isfinite(value))
    throw RuntimeError(ErrorNumber::Overflow, std::string(what) + " is beyond the range of a double.");
  return value;
}

// The base item's share of a price: the multiplier times the base price, or,
// for a negative multiplier, the base price divided by it.
double baseTerm(std::int32_t multiplier, std::int32_t basePrice, std::string_view what) {
  if (multiplier >= 0) return fixedProduct(multiplier, basePrice, what);
  return static_cast<double>(basePrice) / multiplier;
}

// One press of "Get Costs". Each press builds a fresh one, so every working
// value starts at 0 and nothing outlives the press.
class CostCalculation {
public:
  CostCalculation(const GameExecutable& executable, Window& window, BoxTerms& terms)
      : executable_(executable), window_(window), separator_(window.decimalSeparator()), terms_(terms) {}

  void run() {
    if (window_.chkBaseValue() == 1) baseStep();
    const ListIndex p = window_.selectedIndex(cboPrefix);
    if (p != kNoSelection) affixStep(kPrefixInputs, prefix_, p);
    const ListIndex s = window_.selectedIndex(cboSuffix);
    if (s != kNoSelection) affixStep(kSuffixInputs, suffix_, s);
    griswoldAndWirtLimits();
    const ListIndex k = window_.selectedIndex(cboSpell);
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
  std::int32_t readBasePrice() { return readBasePrice(window_.selectedIndex(cboBase)); }

  void show(const Shop& shop, std::string_view text) { window_.setText(shop.priceBox, std::string(text)); }
  std::string plain(double value) const { return plainNumberText(value, separator_); }

  void note(const Shop& shop) {
    terms_.noteShown[static_cast<std::size_t>(std::ranges::find(kShops, &shop) - kShops.begin())] = true;
    window_.showMessage(std::string(shop.note), "Note", MessageIcon::None);
  }

  void baseStep() {
    const ListIndex b = window_.selectedIndex(cboBase);
    const std::int32_t basePrice = readBasePrice(b);
    if (b == kNoSelection) {
      show(kGriswold, "");
      show(kWirt, "");
      return;
    }
    show(kGriswold, plain(basePrice));
    show(kWirt, kUnavailable);
    terms_.price = basePrice;
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
    // The typed value is not held to the record's range: the line goes on beyond it.
    affix.share = effectRange == 0
                      ? 0
                      : checked((typedValue - affix.effectMin) / effectRange * costRange, inputs.shareName);
    (&affix == &prefix_ ? terms_.prefixShare : terms_.suffixShare) = affix.costMin + affix.share;
    writeAffixPrice();
  }

  // The price of the affixes read so far, both when the suffix step has run.
  void writeAffixPrice() {
    const std::int32_t multiplierSum =
        fixedSum(suffix_.priceMultiplier, prefix_.priceMultiplier, "The sum of the PriceMultipliers");
    const std::int32_t costMinSum = fixedSum(prefix_.costMin, suffix_.costMin, "The sum of the CostMins");
    const double base = baseTerm(multiplierSum, basePrice_.value_or(0), "The base item's part of the price");
    price_ = checked(costMinSum + prefix_.share + suffix_.share + base, "The price");
    terms_.multiplier = multiplierSum;
    terms_.baseTerm = base;
    terms_.price = price_;
    show(kGriswold, plain(price_));
    show(kWirt, plain(checked(price_ * 1.5, "Wirt's price")));
    show(kAdria, kNotSoldHere);
  }

  void griswoldAndWirtLimits() {
    // Both limits are read before either is judged; the comparisons are strict.
    const std::int32_t griswoldLimit = readLimit(executable_, kGriswold.limit);
    const std::int32_t wirtLimit = readLimit(executable_, kWirt.limit);
    if (price_ > griswoldLimit) note(kGriswold);
    if (checked(price_ * 3 / 2, "Wirt's price") > wirtLimit) note(kWirt);
  }

  void adriaLimit() {
    if (price_ > readLimit(executable_, kAdria.limit)) note(kAdria);
  }

  void spellStep(ListIndex k, bool prefixSelected) {
    const std::int32_t chargeValue = readField(executable_, kSpellTable, kChargeValue, k);
    const std::string charges = window_.text(txtCharge);
    // The prefix's multiplier scales both the base price and the charges; the suffix plays no part.
    const std::int32_t multiplier = prefixSelected ? prefix_.priceMultiplier : 1;
    // With no earlier step for the base item, the spell reads its price itself.
    const std::int32_t basePrice = basePrice_ ? *basePrice_ : readBasePrice();
    const double base = baseTerm(multiplier, basePrice, "The base item's part of the spell price");
    const double chargeUnit = chargeValue / 5.0;
    // The charges stay text until the price needs their number.
    const double chargeCount = numberFromText(charges, separator_, kChargesBoxName);
    price_ = checked(prefix_.costMin + prefix_.share + base + chargeUnit * chargeCount * multiplier,
                     "The spell price");
    terms_.multiplier = multiplier;
    terms_.baseTerm = base;
    terms_.chargesTerm = chargeUnit * chargeCount * multiplier;
    terms_.suffixShare.reset();
    terms_.price = price_;
    show(kGriswold, kUnavailable);
    show(kWirt, kUnavailable);
    show(kAdria, plain(price_));
  }

  const GameExecutable& executable_;
  Window& window_;
  const std::string separator_;

  std::optional<std::int32_t> basePrice_;  // B, once a step has read it
  Affix prefix_;
  Affix suffix_;
  double price_ = 0;  // an empty price counts as 0
  BoxTerms& terms_;
};
}  // namespace

void getCosts(const OpenExecutable& executable, Window& window, BoxTerms* terms) {
  // An open executable, not the dialog's file name: a failed open leaves the name behind.
  if (!executable) {
    window.showMessage("File Not Loaded!!", "Error", MessageIcon::Warning);
    return;
  }
  executable->checkStillInPlace();
  BoxTerms unused;
  CostCalculation(*executable, window, terms ? *terms : unused).run();
}

}  // namespace pricewright
