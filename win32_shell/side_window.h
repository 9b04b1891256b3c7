#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "shell/details_text.h"
#include "shell/layout_table.h"

namespace pricewright {

// A window beside the main one, built from its tables. Its one button is both
// its default and its cancel button, so the button, Enter and Esc close it.
struct SideWindowLayout {
  const WindowSpec& window;
  std::span<const ControlSpec> controls;
  std::span<const LineSpec> lines;
  std::string_view button;
};
const SideWindowLayout& aboutSideWindow();
const SideWindowLayout& detailsSideWindow();

// A side window: modeless, ownerless and without a task-bar button.
class SideWindow {
public:
  static void registerClass(const SideWindowLayout& layout, HINSTANCE instance);
  // Creates the window centred over `over` and shows it.
  SideWindow(const SideWindowLayout& layout, HWND over);
  SideWindow(const SideWindow&) = delete;
  SideWindow& operator=(const SideWindow&) = delete;
  ~SideWindow();

  bool isOpen() const { return window_ != nullptr; }
  void bringToFront() const;
  // Writes each text into the label it names.
  void showTexts(const std::vector<LabelText>& texts) const;
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  HWND button() const;

  const SideWindowLayout& layout_;
  HWND window_ = nullptr;
};

}  // namespace pricewright
