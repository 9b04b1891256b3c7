#pragma once

#include <map>
#include <string>
#include <vector>

#include "window_interface/window.h"

namespace pricewright {

// The main window as the command line's options describe it: the lists that
// loading fills, the selections and typed texts from the options, typed
// numbers read with '.'; it keeps what the operations write and the notes they show.
class OptionWindow : public Window {
public:
  std::map<std::string, std::vector<std::string>, std::less<>> entries;
  std::map<std::string, ListIndex, std::less<>> selection;
  std::map<std::string, std::string, std::less<>> texts;
  std::int16_t normalItemOnly = 0;
  std::vector<std::string> notes;

  void clearList(ListBox list) override;
  void appendEntry(ListBox list, const std::string& text) override;
  ListIndex selectedIndex(ListBox list) const override;
  void setSelectedIndex(ListBox list, ListIndex index) override;
  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  std::int16_t chkBaseValue() const override { return normalItemOnly; }
  void showFileOpenDialog(const FileDialogSettings&) override {}
  std::string chosenFileName() const override { return chosen_; }
  void setChosenFileName(const std::string& path) override { chosen_ = path; }
  void showMessage(const std::string& text, const std::string&, MessageIcon) override {
    notes.push_back(text);
  }
  std::string decimalSeparator() const override { return "."; }

private:
  std::string chosen_;
};

}  // namespace pricewright
