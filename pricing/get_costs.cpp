#include "pricing/get_costs.h"

#include <cmath>
#include <span>
#include <string_view>

#include "pricing/fixed_arithmetic.h"
#include "pricing/item_value.h"
#include "pricing/number_text.h"

namespace pricewright {

// Prices are doubles. The parts that are whole numbers (record values, their
// 32-bit sums and multiples) stay below 2^53, where a double is exact, and
// every whole price shows as its digits, so the price and its text are those
// of integer arithmetic wherever that would apply.
namespace {
// How an affix's step names what it reads and computes.
struct AffixInputs {
  Table table;
  std::string_view which;
  std::string_view effectBoxName;
  std::string_view costRangeName;
  std::string_view effectRangeName;
  std::string_view shareName;
};
constexpr AffixInputs kPrefixInputs{Table::Prefixes,
                                    "prefix",
                                    "The prefix's Effect Value",
                                    "The prefix's cost range",
                                    "The prefix's effect range",
                                    "The prefix's share of the price"};
constexpr AffixInputs kSuffixInputs{Table::Suffixes,
                                    "suffix",
                                    "The suffix's Effect Value",
                                    "The suffix's cost range",
                                    "The suffix's effect range",
                                    "The suffix's share of the price"};
constexpr std::string_view kChargesBoxName = "The Spell Charges";

// A plain item leaves Adria's box as it was.
constexpr std::array kPlainItemShops{Shop::Griswold, Shop::Wirt};

// A calculated value, or Overflow naming `what` when it left the range of a double.
double checked(double value, std::string_view what) {
  if (!std::isfinite(value))
    throw RuntimeError(ErrorNumber::Overflow, std::string(what) + " is beyond the range of a double.");
  return value;
}

std::string pricedAt(Shop shop) { return std::string(facts(shop).name) + "'s price"; }

// The base item's share of a price: the multiplier times the base price, or,
// for a negative multiplier, the base price divided by it.
double baseTerm(std::int32_t multiplier, std::int32_t basePrice, std::string_view what) {
  if (multiplier >= 0) return fixedProduct(multiplier, basePrice, what);
  return static_cast<double>(basePrice) / multiplier;
}

// An affix's working values: zero until its step reads the record, so that the
// affix price of the prefix alone leaves the suffix out.
struct Affix {
  AffixRecord record;
  double share = 0;
};

// One press of "Get Costs". Each press builds a fresh one, so every working
// value starts at 0 and nothing outlives the press.
class CostCalculation {
public:
  CostCalculation(const GameRecords& game, const PickedItem& picked, Costs& costs)
      : game_(game), picked_(picked), costs_(costs) {}

  void run() {
    costs_.item.kind = picked_.kind();
    costs_.shops.game = game_.layout().game;
    if (picked_.normalItemOnly) baseStep();
    if (picked_.picked(Table::Prefixes)) affixStep(kPrefixInputs, prefix_, costs_.item.prefix);
    if (picked_.picked(Table::Suffixes)) affixStep(kSuffixInputs, suffix_, costs_.item.suffix);
    limitsStep(kPlainItemShops);
    if (picked_.picked(Table::Spells)) spellStep();
    limitsStep(std::array{Shop::Adria});
  }

private:
  // B, read once: 0 for no base item, rather than the bytes that lie one record before the table.
  std::int32_t basePrice() {
    if (!basePrice_) {
      const ListIndex b = picked_.pick(Table::BaseItems).index;
      if (b != kNoSelection) costs_.item.base = game_.baseItem(b);
      basePrice_ = costs_.item.base ? costs_.item.base->basePrice : 0;
    }
    return *basePrice_;
  }

  void show(Shop shop, std::string text) { costs_.shown.push_back({shop, std::move(text)}); }
  std::string plain(double value) const { return plainNumberText(value, picked_.separator); }
  double typed(Table table, std::string_view name) const {
    return numberFromText(picked_.pick(table).typed, picked_.separator, name);
  }

  // Each shop's box: the price, marked up by the shop, where it sells the kind; its own word where not.
  void showPrices(ItemKind kind, double price, std::span<const Shop> shops = kShopOrder) {
    for (const Shop shop : shops) {
      const MarkUp up = markUp(shop);
      show(shop,
           sells(shop, kind)
               ? plain(checked(price * (static_cast<double>(up.numerator) / up.denominator), pricedAt(shop)))
               : std::string(facts(shop).notSold));
    }
  }

  void baseStep() {
    const std::int32_t price = basePrice();
    if (!picked_.picked(Table::BaseItems)) {
      for (const Shop shop : kPlainItemShops) show(shop, "");
      return;
    }
    showPrices(ItemKind::Plain, price, kPlainItemShops);
    costs_.terms.price = price;
  }

  void affixStep(const AffixInputs& inputs, Affix& affix, std::optional<PickedAffix>& picked) {
    affix.record = game_.affix(inputs.table, picked_.pick(inputs.table).index);
    basePrice();
    const AffixRecord& r = affix.record;
    const std::int32_t costRange = fixedDifference(r.costMax, r.costMin, inputs.costRangeName);
    const std::int32_t effectRange = fixedDifference(r.effectMax, r.effectMin, inputs.effectRangeName);
    // Typed text must be a number even where the range makes it irrelevant.
    const double typedValue = typed(inputs.table, inputs.effectBoxName);
    // The typed value is not held to the record's range: the line goes on beyond it.
    affix.share = effectRange == 0
                      ? 0
                      : checked((typedValue - r.effectMin) / effectRange * costRange, inputs.shareName);
    picked = PickedAffix{inputs.which, r, typedValue};
    (&affix == &prefix_ ? costs_.terms.prefixShare : costs_.terms.suffixShare) = r.costMin + affix.share;
    showAffixPrice();
  }

  // The price of the affixes read so far, both when the suffix step has run.
  void showAffixPrice() {
    const std::int32_t multiplierSum = fixedSum(
        suffix_.record.priceMultiplier, prefix_.record.priceMultiplier, "The sum of the PriceMultipliers");
    const std::int32_t costMinSum =
        fixedSum(prefix_.record.costMin, suffix_.record.costMin, "The sum of the CostMins");
    const double base = baseTerm(multiplierSum, basePrice(), "The base item's part of the price");
    price_ = checked(costMinSum + prefix_.share + suffix_.share + base, "The price");
    costs_.terms.multiplier = multiplierSum;
    costs_.terms.baseTerm = base;
    costs_.terms.price = price_;
    showPrices(ItemKind::Magic, price_);
  }

  // Every limit is read before any is judged; the comparisons are strict, of
  // the price as the shop's mark-up makes it, (price x 3) / 2 at Wirt's.
  void limitsStep(std::span<const Shop> shops) {
    for (const Shop shop : shops) costs_.shops.limits[indexOf(shop)] = game_.limit(shop);
    for (const Shop shop : shops) {
      const MarkUp up = markUp(shop);
      if (checked(price_ * up.numerator / up.denominator, pricedAt(shop)) >
          costs_.shops.limits[indexOf(shop)]) {
        costs_.terms.noteShown[indexOf(shop)] = true;
        costs_.shown.push_back({shop, std::nullopt});
      }
    }
  }

  void spellStep() {
    const SpellRecord spell = game_.spell(picked_.pick(Table::Spells).index);
    // The prefix's multiplier scales both the base price and the charges; the suffix plays no part.
    const std::int32_t multiplier = picked_.picked(Table::Prefixes) ? prefix_.record.priceMultiplier : 1;
    // With no earlier step for the base item, the spell reads its price itself.
    const double base = baseTerm(multiplier, basePrice(), "The base item's part of the spell price");
    const double chargeUnit = static_cast<double>(spell.chargeValue) / kChargeDivisor;
    // The charges stay text until the price needs their number.
    const double chargeCount = typed(Table::Spells, kChargesBoxName);
    costs_.item.spell = spell;
    costs_.item.charges = chargeCount;
    price_ = checked(prefix_.record.costMin + prefix_.share + base + chargeUnit * chargeCount * multiplier,
                     "The spell price");
    costs_.terms.multiplier = multiplier;
    costs_.terms.baseTerm = base;
    costs_.terms.chargesTerm = chargeUnit * chargeCount * multiplier;
    costs_.terms.suffixShare.reset();
    costs_.terms.price = price_;
    showPrices(ItemKind::Spell, price_);
  }

  const GameRecords& game_;
  const PickedItem& picked_;
  Costs& costs_;

  std::optional<std::int32_t> basePrice_;  // B, once a step has read it
  Affix prefix_;
  Affix suffix_;
  double price_ = 0;  // an empty price counts as 0
};
}  // namespace

Costs getCosts(const GameRecords& game, const PickedItem& picked) {
  Costs costs;
  try {
    CostCalculation(game, picked, costs).run();
  } catch (const RuntimeError& error) {
    costs.error = error;
  }
  return costs;
}

}  // namespace pricewright
