#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/details_text.h"
#include "shell/remembered.h"

namespace pricewright {

// The Details window: modeless, ownerless and without a task-bar button, built
// from its table; it shows the texts the session's last press makes, and the
// settings of the shops' odds, whose changes by the player go to `picked`.
// Close is its default button, Esc closes it too.
class DetailsWindow : public QDialog {
  Q_OBJECT

public:
  using ChoicePicked = std::function<void(std::string_view control, int shown)>;
  explicit DetailsWindow(const ChoicePicked& picked);
  void showTexts(const std::vector<LabelText>& texts);
  // Shows `settings` in the choices; no change is passed on.
  void showSettings(const ShopSettings& settings);
  // Copy and Ctrl+C: the whole text, as plain text, onto the clipboard.
  void copy();

private:
  std::string plainText_;
};

}  // namespace pricewright
