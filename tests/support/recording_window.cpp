#include "tests/support/recording_window.h"

#include <algorithm>
#include <utility>

namespace pricewright::testing {

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

bool startsWithAny(const std::string& call, std::initializer_list<std::string_view> verbs) {
  return std::any_of(verbs.begin(), verbs.end(), [&](std::string_view verb) {
    return call.compare(0, verb.size(), verb) == 0 && call.size() > verb.size() && call[verb.size()] == ' ';
  });
}

std::vector<std::string> filtered(const std::vector<std::string>& calls,
                                  std::initializer_list<std::string_view> verbs) {
  std::vector<std::string> result;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(result),
               [&](const std::string& call) { return startsWithAny(call, verbs); });
  return result;
}
}  // namespace

std::string name(ListBox list) { return std::string(controlName(list)); }
std::string name(TextBox box) { return std::string(controlName(box)); }

std::string messageCall(const std::string& text, const std::string& title, MessageIcon icon) {
  return "showMessage " + quoted(text) + " " + quoted(title) +
         (icon == MessageIcon::Warning ? " warning" : " none");
}

std::string setTextCall(TextBox box, const std::string& text) {
  return "setText " + name(box) + " " + quoted(text);
}

std::vector<std::string> RecordingWindow::writes() const {
  return filtered(calls, {"clearList", "appendEntry", "setSelectedIndex", "setText", "showFileOpenDialog",
                          "showMessage"});
}

std::vector<std::string> RecordingWindow::messages() const { return filtered(calls, {"showMessage"}); }

const std::vector<std::string>& RecordingWindow::list(ListBox list) const {
  return entries[static_cast<std::size_t>(list)];
}
const std::string& RecordingWindow::box(TextBox box) const { return texts[static_cast<std::size_t>(box)]; }
std::string& RecordingWindow::box(TextBox box) { return texts[static_cast<std::size_t>(box)]; }
ListIndex& RecordingWindow::selected(ListBox list) { return selection[static_cast<std::size_t>(list)]; }

void RecordingWindow::clearList(ListBox list) {
  record("clearList " + name(list));
  entries[static_cast<std::size_t>(list)].clear();
  selected(list) = kNoSelection;
}

void RecordingWindow::appendEntry(ListBox list, const std::string& text) {
  record("appendEntry " + name(list) + " " + quoted(text));
  entries[static_cast<std::size_t>(list)].push_back(text);
}

ListIndex RecordingWindow::selectedIndex(ListBox list) const {
  record("selectedIndex " + name(list));
  return selection[static_cast<std::size_t>(list)];
}

void RecordingWindow::setSelectedIndex(ListBox list, ListIndex index) {
  record("setSelectedIndex " + name(list) + " " + std::to_string(index));
  selected(list) = index;
}

std::string RecordingWindow::text(TextBox box) const {
  record("text " + name(box));
  return this->box(box);
}

void RecordingWindow::setText(TextBox box, const std::string& text) {
  record(setTextCall(box, text));
  this->box(box) = text;
}

std::int16_t RecordingWindow::chkBaseValue() const {
  record("chkBaseValue");
  return chkBase;
}

void RecordingWindow::showFileOpenDialog(const FileDialogSettings& settings) {
  record("showFileOpenDialog " + quoted(std::string(settings.title)) + " " +
         quoted(std::string(settings.filterDescription)) + " " + quoted(std::string(settings.filterPattern)));
  if (dialogAnswers.empty()) return;
  std::optional<std::string> answer = std::move(dialogAnswers.front());
  dialogAnswers.pop_front();
  if (answer) chosen = *answer;
}

std::string RecordingWindow::chosenFileName() const {
  record("chosenFileName");
  return chosen;
}

void RecordingWindow::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  record(messageCall(text, title, icon));
}

std::string RecordingWindow::decimalSeparator() const {
  record("decimalSeparator");
  return separator;
}

}  // namespace pricewright::testing
