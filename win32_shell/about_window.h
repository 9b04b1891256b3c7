#pragma once

#include <windows.h>

namespace pricewright {

// The About window: modeless, ownerless and without a task-bar button. OK,
// Enter and Esc close it.
class AboutWindow {
public:
  static void registerClass(HINSTANCE instance);

  // Creates the window centred over `over` and shows it.
  explicit AboutWindow(HWND over);
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;
  ~AboutWindow();

  bool isOpen() const { return window_ != nullptr; }
  void bringToFront() const;
  void close() const;

  LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  HWND okButton() const;

  HWND window_ = nullptr;
};

}  // namespace pricewright
