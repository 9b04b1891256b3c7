#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace pricewright::testing {

// Dialogs that answer at once and record what was shown, one line each:
//   openFileName "title" "description" "pattern" last="..."
//   showMessage "File Not Loaded!!" "Error" warning   (as messageCall() writes it)
class FakeDialogs : public Dialogs {
public:
  // What the next file-open dialogs answer: a path is a pick, nullopt a cancel.
  // A dialog shown with no answer queued is a cancel.
  std::deque<std::optional<QString>> fileAnswers;
  // Runs while a message box is "open", to look at the windows behind it.
  std::function<void()> whileMessageShown;

  std::vector<std::string> calls;
  std::vector<std::string> messages() const;

  std::optional<QString> openFileName(QWidget* parent, const FileDialogSettings& settings,
                                      const QString& lastChosen) override;
  void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
};

}  // namespace pricewright::testing
