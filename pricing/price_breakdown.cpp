#include "pricing/price_breakdown.h"

#include "gamedata/game_file_layout.h"
#include "pricing/get_costs.h"
#include "pricing/number_text.h"
#include "pricing/record_reads.h"
#include "pricing/shops.h"

namespace pricewright {

namespace {
ItemKind kindOf(const Window& window) {
  if (window.selectedIndex(cboSpell) != kNoSelection) return ItemKind::Spell;
  if (window.selectedIndex(cboPrefix) != kNoSelection || window.selectedIndex(cboSuffix) != kNoSelection)
    return ItemKind::Magic;
  if (window.chkBaseValue() == 1 && window.selectedIndex(cboBase) != kNoSelection) return ItemKind::Plain;
  return ItemKind::Nothing;
}

std::optional<PickedAffix> readAffix(const GameExecutable& executable, const Window& window,
                                     const TableLayout& table, const TextBox& box, std::string_view which,
                                     const std::string& separator) {
  const ListIndex index = window.selectedIndex(table.list);
  if (index == kNoSelection) return std::nullopt;
  const auto field = [&](const FieldLayout& layout) { return readField(executable, table, layout, index); };
  return PickedAffix{
      which,
      {field(kEffectMin), field(kEffectMax), field(kCostMin), field(kCostMax), field(kPriceMultiplier)},
      numberFromText(window.text(box), separator, which)};
}

ItemRecords readItem(const GameExecutable& executable, const Window& window, const std::string& separator) {
  ItemRecords item;
  item.kind = kindOf(window);
  if (const ListIndex b = window.selectedIndex(cboBase); b != kNoSelection)
    item.basePrice = readField(executable, kBaseItemTable, kBasePrice, b);
  item.prefix = readAffix(executable, window, kPrefixTable, txtPreEff, "prefix", separator);
  item.suffix = readAffix(executable, window, kSuffixTable, txtSufEff, "suffix", separator);
  if (const ListIndex k = window.selectedIndex(cboSpell); k != kNoSelection) {
    item.spell = SpellRecord{readField(executable, kSpellTable, kChargesMin, k),
                             readField(executable, kSpellTable, kChargesMax, k),
                             readField(executable, kSpellTable, kChargeValue, k)};
    item.charges = numberFromText(window.text(txtCharge), separator, "The Spell Charges");
  }
  return item;
}

// The boxes' line through the affix's range, not held to it.
double boxShare(const PickedAffix& affix) {
  const AffixRecord& r = affix.record;
  const double effectRange = static_cast<double>(r.effectMax) - r.effectMin;
  const double share = effectRange == 0 ? 0
                                        : (affix.value - r.effectMin) / effectRange *
                                              (static_cast<double>(r.costMax) - r.costMin);
  return r.costMin + share;
}

double boxBaseTerm(std::int32_t multiplier, std::int32_t basePrice) {
  return multiplier >= 0 ? static_cast<double>(multiplier) * basePrice
                         : static_cast<double>(basePrice) / multiplier;
}

BoxTerms boxTerms(const ItemRecords& item, const std::array<std::int32_t, 3>& limits) {
  BoxTerms boxes;
  const std::int32_t basePrice = item.basePrice.value_or(0);
  double affixPrice = 0;  // what the Griswold and Wirt notes judge; none counts as 0
  if (item.prefix || item.suffix) {
    boxes.multiplier = (item.prefix ? item.prefix->record.priceMultiplier : 0) +
                       (item.suffix ? item.suffix->record.priceMultiplier : 0);
    boxes.baseTerm = boxBaseTerm(boxes.multiplier, basePrice);
    if (item.prefix) boxes.prefixShare = boxShare(*item.prefix);
    if (item.suffix) boxes.suffixShare = boxShare(*item.suffix);
    affixPrice = boxes.baseTerm + boxes.prefixShare.value_or(0) + boxes.suffixShare.value_or(0);
  }
  boxes.price = item.kind == ItemKind::Plain ? basePrice : affixPrice;
  boxes.noteShown[0] = affixPrice > limits[0];
  boxes.noteShown[1] = affixPrice * 3 / 2 > limits[1];
  double adriaPrice = affixPrice;
  if (item.spell) {
    boxes.multiplier = item.prefix ? item.prefix->record.priceMultiplier : 1;
    boxes.baseTerm = boxBaseTerm(boxes.multiplier, basePrice);
    boxes.suffixShare.reset();
    boxes.chargesTerm = item.spell->chargeValue / 5.0 * item.charges * boxes.multiplier;
    boxes.price = adriaPrice = boxes.prefixShare.value_or(0) + boxes.baseTerm + *boxes.chargesTerm;
  }
  boxes.noteShown[2] = adriaPrice > limits[2];
  return boxes;
}

PriceBreakdown breakdownOf(const GameExecutable& executable, const Window& window) {
  PriceBreakdown breakdown;
  breakdown.separator = window.decimalSeparator();
  std::array<std::int32_t, 3> limits{};
  for (std::size_t shop = 0; shop < kShops.size(); ++shop) {
    limits[shop] = readLimit(executable, kShops[shop]->limit);
    breakdown.boxTexts[shop] = window.text(kShops[shop]->priceBox);
  }
  try {
    breakdown.item = readItem(executable, window, breakdown.separator);
  } catch (const RuntimeError& error) {
    // The press itself went well; only what the game's rules read beyond it failed.
    breakdown.game.unavailable = "The game's figures could not be worked out. " + std::string(error.what());
    return breakdown;
  }
  breakdown.boxes = boxTerms(breakdown.item, limits);
  breakdown.game = gameFigures(breakdown.item, limits, breakdown.separator);
  return breakdown;
}
}  // namespace

void pressGetCosts(const OpenExecutable& executable, Window& window, PressOutcome& outcome) {
  outcome = PressOutcome{};
  outcome.pressed = true;
  outcome.fileNotLoaded = !executable;
  try {
    getCosts(executable, window);
    if (executable) outcome.breakdown = breakdownOf(*executable, window);
  } catch (const RuntimeError& error) {
    outcome.error = error;
    throw;
  }
}

}  // namespace pricewright
