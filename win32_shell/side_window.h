#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "shell/details_text.h"
#include "shell/layout_table.h"
#include "shell/remembered.h"

namespace pricewright {

// A window beside the main one, built from its tables. Its closing button is
// both its default and its cancel button, so the button, Enter and Esc close
// it. A window with a copy button puts the texts it shows on the clipboard at
// that button and at Ctrl+C.
struct SideWindowLayout {
  const WindowSpec& window;
  std::span<const ControlSpec> controls;
  std::span<const LineSpec> lines;
  std::string_view button;
  std::string_view copyButton;
  std::span<const AccessibleText> spoken;
};
const SideWindowLayout& aboutSideWindow();
const SideWindowLayout& detailsSideWindow();

// A side window: modeless, ownerless and without a task-bar button.
class SideWindow {
public:
  static void registerClass(const SideWindowLayout& layout, HINSTANCE instance);
  // A setting of the shops' odds changed by the player: the control and what it now shows.
  using ChoicePicked = std::function<void(std::string_view control, int shown)>;
  // Creates the window centred over `over` and shows it; the player's
  // changes of its settings, if it has any, go to `picked`.
  SideWindow(const SideWindowLayout& layout, HWND over, ChoicePicked picked = {});
  SideWindow(const SideWindow&) = delete;
  SideWindow& operator=(const SideWindow&) = delete;
  ~SideWindow();

  bool isOpen() const { return window_ != nullptr; }
  void bringToFront() const;
  // Writes each text into the label it names.
  void showTexts(const std::vector<LabelText>& texts);
  // Shows `settings` in the settings' controls; no change is passed on.
  void showSettings(const ShopSettings& settings);
  // Ctrl+C in this window, for the message loop.
  bool translateShortcut(MSG& message) const;
  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  HWND button() const;
  int copyId() const;
  // A control's notification, passed on where it is the player's change of a setting.
  void controlNotified(HWND control, int code);
  // The shown texts as plain text, lines ending as Windows' do.
  void copyTexts() const;

  const SideWindowLayout& layout_;
  ChoicePicked picked_;
  HWND window_ = nullptr;
  HACCEL copyShortcut_ = nullptr;
  std::vector<LabelText> shown_;
};

}  // namespace pricewright
