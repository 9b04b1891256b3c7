#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/window.h"

namespace pricewright::testing {

// A Window that holds the controls' state in plain members and records every
// call in order, reads included, as one line each:
//   setText txtCostGris "100"      showMessage "File Not Loaded!!" "Error" warning
class RecordingWindow : public Window {
public:
  // Arranged by tests, changed by the operations.
  std::array<std::vector<std::string>, 4> entries;
  std::array<ListIndex, 4> selection{kNoSelection, kNoSelection, kNoSelection, kNoSelection};
  std::array<std::string, 6> texts;
  std::int16_t chkBase = 0;
  std::string chosen;
  // What the next file-open dialogs answer: a path is a pick, nullopt a cancel.
  // A dialog shown with no answer queued is a cancel.
  std::deque<std::optional<std::string>> dialogAnswers;
  std::string separator = ".";

  mutable std::vector<std::string> calls;

  // Only the calls that change something or show something, in order.
  std::vector<std::string> writes() const;
  // Only the message boxes, in order.
  std::vector<std::string> messages() const;
  void clearCalls() { calls.clear(); }

  const std::vector<std::string>& list(ListBox list) const;
  const std::string& box(TextBox box) const;
  ListIndex& selected(ListBox list);
  std::string& box(TextBox box);

  void clearList(ListBox list) override;
  void appendEntry(ListBox list, const std::string& text) override;
  ListIndex selectedIndex(ListBox list) const override;
  void setSelectedIndex(ListBox list, ListIndex index) override;
  std::string text(TextBox box) const override;
  void setText(TextBox box, const std::string& text) override;
  std::int16_t chkBaseValue() const override;
  void showFileOpenDialog(const FileDialogSettings& settings) override;
  std::string chosenFileName() const override;
  void showMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::string decimalSeparator() const override;

private:
  void record(std::string call) const { calls.push_back(std::move(call)); }
};

std::string name(ListBox list);
std::string name(TextBox box);
// The recorded line of a message box, for expectations.
std::string messageCall(const std::string& text, const std::string& title, MessageIcon icon);
std::string setTextCall(TextBox box, const std::string& text);

}  // namespace pricewright::testing
