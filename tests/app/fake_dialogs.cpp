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
  if (fileAnswers.empty() || !fileAnswers.front()) {
    if (!fileAnswers.empty()) fileAnswers.pop_front();
    return std::nullopt;
  }
  const QString path = *fileAnswers.front();
  fileAnswers.pop_front();
  return path;
}

void FakeDialogs::message(QWidget*, const QString& text, const QString& title, MessageIcon icon) {
  calls.push_back(messageCall(text.toStdString(), title.toStdString(), icon));
  if (whileMessageShown) whileMessageShown();
}

}  // namespace pricewright::testing
