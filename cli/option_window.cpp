#include "cli/option_window.h"

namespace pricewright {

void OptionWindow::clearList(ListBox list) {
  entries[std::string(list.name)].clear();
  selection.erase(std::string(list.name));
}

void OptionWindow::appendEntry(ListBox list, const std::string& text) {
  entries[std::string(list.name)].push_back(text);
}

ListIndex OptionWindow::selectedIndex(ListBox list) const {
  const auto found = selection.find(list.name);
  return found == selection.end() ? kNoSelection : found->second;
}

void OptionWindow::setSelectedIndex(ListBox list, ListIndex index) {
  selection[std::string(list.name)] = index;
}

std::string OptionWindow::text(TextBox box) const {
  const auto found = texts.find(box.name);
  return found == texts.end() ? "" : found->second;
}

void OptionWindow::setText(TextBox box, const std::string& text) { texts[std::string(box.name)] = text; }

}  // namespace pricewright
