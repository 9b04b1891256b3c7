#pragma once

#include <windows.h>

#include <vector>

#include "shell/details_text.h"

namespace pricewright {

// The Details window: modeless, ownerless and without a task-bar button,
// built from its table. Close, Enter and Esc close it.
class DetailsWindow {
public:
  static void registerClass(HINSTANCE instance);

  // Creates the window centred over `over` and shows it.
  explicit DetailsWindow(HWND over);
  DetailsWindow(const DetailsWindow&) = delete;
  DetailsWindow& operator=(const DetailsWindow&) = delete;
  ~DetailsWindow();

  bool isOpen() const { return window_ != nullptr; }
  void bringToFront() const;
  void showTexts(const std::vector<LabelText>& texts) const;

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  HWND window_ = nullptr;
};

}  // namespace pricewright
