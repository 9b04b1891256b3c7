#include "pricing/plain_item_reset.h"

#include <array>

#include "pricing/shops.h"

namespace pricewright {

namespace {
// Each list's selection is cleared before its box, so a box stays empty even
// where clearing a selection runs the list's selection operation.
struct ChoiceAndBox {
  ListBox list;
  TextBox box;
};
constexpr std::array<ChoiceAndBox, 3> kChoicesCleared{
    {{cboPrefix, txtPreEff}, {cboSuffix, txtSufEff}, {cboSpell, txtCharge}}};
}  // namespace

void plainItemChosen(Window& window) {
  for (const ChoiceAndBox& choice : kChoicesCleared) {
    window.setSelectedIndex(choice.list, kNoSelection);
    window.setText(choice.box, "");
  }
  for (const Shop* shop : kShops) window.setText(shop->priceBox, "");
}

}  // namespace pricewright
