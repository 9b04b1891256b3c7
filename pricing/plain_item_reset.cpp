#include "pricing/plain_item_reset.h"

#include "pricing/game_rules.h"

namespace pricewright {

void plainItemChosen(Window& window) {
  // Each list's selection is cleared before its box, so a box stays empty even
  // where clearing a selection runs the list's selection operation.
  for (const ListControl& control : kListControls) {
    if (!control.valueBox) continue;
    window.setSelectedIndex(control.list, kNoSelection);
    window.setText(*control.valueBox, "");
  }
  for (const TextBox& box : kPriceBoxes) window.setText(box, "");
}

}  // namespace pricewright
