#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pricing/picked_item.h"
#include "tests/support/outcome.h"
#include "window_interface/window.h"

namespace pricewright::tests {

// A Window that keeps the controls' state in plain members and records, in
// order, everything the operations change or show but the entries they append
// (those are in `entries`):
//   clear cboPrefix | cboPrefix=-1 | txtCostGris=100 | Note: ... | Error!: ... (! for the warning icon)
class RecordingWindow : public Window {
public:
  std::map<std::string, std::vector<std::string>, std::less<>> entries;
  std::map<std::string, ListIndex, std::less<>> selection;  // none: no selection
  std::map<std::string, std::string, std::less<>> texts;
  std::int16_t chkBase = 0;
  std::string chosen;
  // The next file-open dialogs' answers: a path is a pick, nullopt or none left a cancel.
  std::deque<std::optional<std::string>> dialogAnswers;
  std::string separator = ".";
  std::string shown;

  // What `operation` shows, then the error it raised, if any.
  template <typename Operation> std::string after(Operation operation) {
    shown.clear();
    const std::string error = errorOf(operation);
    if (error != "no error") record(error);
    return shown;
  }
  void select(ListBox list, ListIndex index) { selection[std::string(list.name)] = index; }
  void type(TextBox box, std::string text) { texts[std::string(box.name)] = std::move(text); }
  // Picks, types and checks what `item` describes, as a player would.
  void describe(const PickedItem& item) {
    chkBase = item.normalItemOnly ? 1 : 0;
    separator = item.separator;
    for (const ListControl& control : kListControls) {
      if (item.picked(control.table)) select(control.list, item.pick(control.table).index);
      if (control.valueBox) type(*control.valueBox, item.pick(control.table).typed);
    }
  }

  void clearList(ListBox list) override {
    record("clear " + std::string(list.name));
    entries[std::string(list.name)].clear();
    selection.erase(std::string(list.name));
  }
  void appendEntry(ListBox list, const std::string& text) override {
    entries[std::string(list.name)].push_back(text);
  }
  ListIndex selectedIndex(ListBox list) const override {
    return selection.contains(list.name) ? selection.find(list.name)->second : kNoSelection;
  }
  void setSelectedIndex(ListBox list, ListIndex index) override {
    record(std::string(list.name) + "=" + std::to_string(index));
    select(list, index);
  }
  std::string text(TextBox box) const override {
    return texts.contains(box.name) ? texts.find(box.name)->second : "";
  }
  void setText(TextBox box, const std::string& text) override {
    record(std::string(box.name) + "=" + text);
    type(box, text);
  }
  std::int16_t chkBaseValue() const override { return chkBase; }
  void showFileOpenDialog(const FileDialogSettings& settings) override {
    record("dialog " + std::string(settings.title) + " " + std::string(settings.filterDescription) + "(" +
           std::string(settings.filterPattern) + ")");
    if (!dialogAnswers.empty() && dialogAnswers.front()) chosen = *dialogAnswers.front();
    if (!dialogAnswers.empty()) dialogAnswers.pop_front();
  }
  std::string chosenFileName() const override { return chosen; }
  void setChosenFileName(const std::string& path) override { chosen = path; }
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    record(title + (icon == MessageIcon::Warning ? "!: " : ": ") + text);
  }
  std::string decimalSeparator() const override { return separator; }

private:
  void record(const std::string& line) { shown += (shown.empty() ? "" : " | ") + line; }
};

}  // namespace pricewright::tests
