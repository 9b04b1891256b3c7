#include "shell/window_operations.h"

#include <algorithm>

#include "gamedata/error.h"
#include "pricing/game_rules.h"
#include "pricing/range_hints.h"

namespace pricewright {

namespace {
void clearLists(Window& window) {
  for (const ListControl& control : kListControls) window.clearList(control.list);
}

void loadChosenFile(std::optional<OpenGame>& game, Window& window) {
  const std::string path = window.chosenFileName();
  if (path.empty()) return;
  try {
    GameLoad load(path);
    const ListEntries entries = load.listEntries();
    clearLists(window);
    for (const ListControl& control : kListControls)
      for (const std::string& entry : entries[indexOf(control.table)])
        window.appendEntry(control.list, entry);
    game.emplace(std::move(load).open());
  } catch (const RuntimeError&) {
    // Lists are only ever filled while a file is open, so a failed load leaves
    // neither a file nor entries that a later selection could read through.
    game.reset();
    clearLists(window);
    throw;
  }
}
}  // namespace

void fileOpen(std::optional<OpenGame>& game, Window& window) {
  game.reset();
  window.showFileOpenDialog(kOpenDialogSettings);
  loadChosenFile(game, window);
}

void fileOpenNamed(std::optional<OpenGame>& game, Window& window, const std::string& path) {
  game.reset();
  window.setChosenFileName(path);
  loadChosenFile(game, window);
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
  for (const Shop shop : kShopOrder) boxes[indexOf(shop)] = window.text(priceBox(shop));
  outcome = press(game ? &*game : nullptr, pickedItem(window), std::move(boxes));
  for (const Shown& shown : outcome.shown) {
    if (shown.boxText)
      window.setText(priceBox(shown.shop), *shown.boxText);
    else
      window.showMessage(std::string(facts(shown.shop).note), "Note", MessageIcon::None);
  }
  if (outcome.error) throw RuntimeError(*outcome.error);
}

}  // namespace pricewright
