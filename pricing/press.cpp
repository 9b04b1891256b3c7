#include "pricing/press.h"

namespace pricewright {

PressOutcome press(const OpenGame* game, const PickedItem& picked, std::array<std::string, 3> boxes) {
  PressOutcome outcome;
  outcome.pressed = true;
  outcome.boxTexts = std::move(boxes);
  outcome.fileNotLoaded = game == nullptr;
  if (!game) return outcome;
  Costs costs;
  try {
    game->file.checkStillInPlace();
    costs = getCosts(game->records(), picked);
  } catch (const RuntimeError& error) {
    costs.error = error;
  }
  for (const Shown& shown : costs.shown)
    if (shown.boxText) outcome.boxTexts[indexOf(shown.shop)] = *shown.boxText;
  outcome.shown = std::move(costs.shown);
  outcome.error = std::move(costs.error);
  if (!outcome.error)
    outcome.breakdown =
        PriceBreakdown{costs.item, costs.terms, gameFigures(costs.item, costs.limits, picked.separator),
                       picked.separator, game->version.layout->limitsInFile()};
  return outcome;
}

PickedItem pickedItem(const Window& window) {
  PickedItem picked;
  picked.normalItemOnly = window.chkBaseValue() == 1;
  picked.separator = window.decimalSeparator();
  for (const ListControl& control : kListControls) {
    Pick& pick = picked.pick(control.table);
    pick.index = window.selectedIndex(control.list);
    if (control.valueBox) pick.typed = window.text(*control.valueBox);
  }
  return picked;
}

void pressGetCosts(const std::optional<OpenGame>& game, Window& window, PressOutcome& outcome) {
  // An open game, not the dialog's file name: a failed open leaves the name behind.
  if (!game) window.showMessage("File Not Loaded!!", "Error", MessageIcon::Warning);
  std::array<std::string, 3> boxes;
  for (const ShopFacts& shop : kShops) boxes[indexOf(shop.shop)] = window.text(priceBox(shop.shop));
  outcome = press(game ? &*game : nullptr, pickedItem(window), std::move(boxes));
  for (const Shown& shown : outcome.shown) {
    const ShopFacts& shop = facts(shown.shop);
    if (shown.boxText)
      window.setText(priceBox(shown.shop), *shown.boxText);
    else
      window.showMessage(std::string(shop.note), "Note", MessageIcon::None);
  }
  if (outcome.error) throw RuntimeError(*outcome.error);
}

}  // namespace pricewright
