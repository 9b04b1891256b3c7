#include "pricing/range_hints.h"

#include <algorithm>

#include "gamedata/name_text.h"

namespace pricewright {

std::string rangeText(const ValueRange& range) {
  return blankSignedText(range.low) + "-" + blankSignedText(range.high);
}

void listPicked(const ListBox& list, const std::optional<OpenGame>& game, Window& window) {
  const auto* const control = std::ranges::find(kListControls, list, &ListControl::list);
  if (control == kListControls.end() || !control->valueBox) return;
  const ListIndex index = window.selectedIndex(list);
  // No selection (or no file) has no record to show; the bytes before the table are no range.
  if (!game || index == kNoSelection) {
    window.setText(*control->valueBox, "");
    return;
  }
  game->file.checkStillInPlace();
  window.setText(*control->valueBox, rangeText(game->records().range(control->table, index)));
}

}  // namespace pricewright
