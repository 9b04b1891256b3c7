#include "pricing/range_hints.h"

#include <array>

#include "gamedata/layout.h"
#include "gamedata/name_text.h"
#include "pricing/record_reads.h"

namespace pricewright {

namespace {
struct RangeDisplay {
  const TableLayout& table;
  const FieldLayout& low;
  const FieldLayout& high;
  TextBox box;
};

constexpr RangeDisplay kPrefixRange{kPrefixTable, kEffectMin, kEffectMax, TextBox::txtPreEff};
constexpr RangeDisplay kSuffixRange{kSuffixTable, kEffectMin, kEffectMax, TextBox::txtSufEff};
constexpr RangeDisplay kSpellRange{kSpellTable, kChargesMin, kChargesMax, TextBox::txtCharge};

void showRange(const RangeDisplay& display, const OpenExecutable& executable, Window& window) {
  const ListIndex index = window.selectedIndex(display.table.list);
  // No selection (or no file) has no record to show; the bytes before the table are no range.
  if (!executable || index == kNoSelection) {
    window.setText(display.box, "");
    return;
  }
  executable->checkStillInPlace();
  const std::int32_t low = readField(*executable, display.table, display.low, index);
  const std::int32_t high = readField(*executable, display.table, display.high, index);
  window.setText(display.box, blankSignedText(low) + "-" + blankSignedText(high));
}

// Each list's selection is cleared before its box, so a box stays empty even
// where clearing a selection runs the list's selection operation.
struct ChoiceAndBox {
  ListBox list;
  TextBox box;
};
constexpr std::array<ChoiceAndBox, 3> kChoicesCleared{{{ListBox::cboPrefix, TextBox::txtPreEff},
                                                       {ListBox::cboSuffix, TextBox::txtSufEff},
                                                       {ListBox::cboSpell, TextBox::txtCharge}}};
constexpr std::array<TextBox, 3> kPriceBoxes{TextBox::txtCostGris, TextBox::txtCostWirt,
                                             TextBox::txtCostAdria};
}  // namespace

void prefixSelected(const OpenExecutable& executable, Window& window) {
  showRange(kPrefixRange, executable, window);
}

void suffixSelected(const OpenExecutable& executable, Window& window) {
  showRange(kSuffixRange, executable, window);
}

void spellSelected(const OpenExecutable& executable, Window& window) {
  showRange(kSpellRange, executable, window);
}

void plainItemChosen(Window& window) {
  for (const ChoiceAndBox& choice : kChoicesCleared) {
    window.setSelectedIndex(choice.list, kNoSelection);
    window.setText(choice.box, "");
  }
  for (TextBox box : kPriceBoxes) window.setText(box, "");
}

}  // namespace pricewright
