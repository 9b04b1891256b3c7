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

PriceBreakdown breakdownOf(const GameExecutable& executable, const Window& window, const BoxTerms& boxes) {
  PriceBreakdown breakdown;
  breakdown.boxes = boxes;
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
  breakdown.game = gameFigures(breakdown.item, limits, breakdown.separator);
  return breakdown;
}
}  // namespace

void pressGetCosts(const OpenExecutable& executable, Window& window, PressOutcome& outcome) {
  outcome = PressOutcome{};
  outcome.pressed = true;
  outcome.fileNotLoaded = !executable;
  try {
    BoxTerms boxes;
    getCosts(executable, window, &boxes);
    if (executable) outcome.breakdown = breakdownOf(*executable, window, boxes);
  } catch (const RuntimeError& error) {
    outcome.error = error;
    throw;
  }
}

}  // namespace pricewright
