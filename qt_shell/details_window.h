#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "shell/details_text.h"

namespace pricewright {

// The Details window: modeless, ownerless and without a task-bar button, built
// from its table; it shows the texts the session's last press makes. Close is
// its default button, Esc closes it too.
class DetailsWindow : public QDialog {
  Q_OBJECT

public:
  DetailsWindow();
  void showTexts(const std::vector<LabelText>& texts);
  // Copy and Ctrl+C: the whole text, as plain text, onto the clipboard.
  void copy();

private:
  std::string plainText_;
};

}  // namespace pricewright
