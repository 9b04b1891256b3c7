#pragma once

#include <QDialog>

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
};

}  // namespace pricewright
