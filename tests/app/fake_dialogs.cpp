#include "tests/app/fake_dialogs.h"

#include <algorithm>

#include "tests/support/recording_window.h"

namespace pricewright::testing {

std::vector<std::string> FakeDialogs::messages() const {
  std::vector<std::string> result;
  std::ranges::copy_if(calls, std::back_inserter(result),
                       [](const std::string& call) { return call.starts_with("showMessage "); });
  return result;
}

std::optional<QString> FakeDialogs::openFileName(QWidget*, const FileDialogSettings& settings,
                                                 const QString& lastChosen) {
  calls.push_back("openFileName \"" + std::string(settings.title) + "\" \"" +
                  std::string(settings.filterDescription) + "\" \"" + std::string(settings.filterPattern) +
                  "\" last=\"" + lastChosen.toStdString() + "\"");
  if (fileAnswers.empty()) return std::nullopt;
  const std::optional<QString> answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

void FakeDialogs::message(QWidget*, const QString& text, const QString& title, MessageIcon icon) {
  calls.push_back(messageCall(text.toStdString(), title.toStdString(), icon));
  if (whileMessageShown) whileMessageShown();
}

}  // namespace pricewright::testing
