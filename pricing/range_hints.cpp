#include "pricing/range_hints.h"

#include <array>

#include "gamedata/game_file_layout.h"
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

constexpr std::array<RangeDisplay, 3> kRangeDisplays{{
    {kPrefixTable, kEffectMin, kEffectMax, txtPreEff},
    {kSuffixTable, kEffectMin, kEffectMax, txtSufEff},
    {kSpellTable, kChargesMin, kChargesMax, txtCharge},
}};

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
}  // namespace

void listPicked(const ListBox& list, const OpenExecutable& executable, Window& window) {
  for (const RangeDisplay& display : kRangeDisplays)
    if (display.table.list == list) showRange(display, executable, window);
}

}  // namespace pricewright
