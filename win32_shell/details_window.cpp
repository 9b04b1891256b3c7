#include "win32_shell/details_window.h"

#include "shell/details_window_layout.h"
#include "win32_shell/top_level_windows.h"
#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"
#include "win32_shell/window_procedure.h"

namespace pricewright {

void DetailsWindow::registerClass(HINSTANCE instance) {
  registerWindowClass(kDetailsWindow, windowProcedure<DetailsWindow>, instance);
}

DetailsWindow::DetailsWindow(HWND over) {
  createTopLevelWindow(kDetailsWindow, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, nullptr,
                       this);
  centre(window_, over);
  bringToFront();
}

DetailsWindow::~DetailsWindow() {
  if (window_) DestroyWindow(window_);
}

void DetailsWindow::bringToFront() const {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void DetailsWindow::showTexts(const std::vector<LabelText>& texts) const {
  for (const LabelText& text : texts)
    SetWindowTextW(controlNamed(window_, detailsWindowControls(), text.label), toWide(text.text).c_str());
}

LRESULT DetailsWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled =
          layoutMessage(window, message, wParam, lParam, kDetailsWindow, detailsWindowControls()))
    return *handled;
  switch (message) {
  case WM_CREATE: {
    window_ = window;
    topLevelWindowCreated();
    buildControls(window, detailsWindowControls());
    HWND close = controlNamed(window, detailsWindowControls(), cmdClose);
    SendMessageW(close, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SetFocus(close);
    return 0;
  }
  case WM_COMMAND:
    // The dialog manager sends IDOK for Enter and IDCANCEL for Esc.
    if (const int id = LOWORD(wParam);
        id == IDOK || id == IDCANCEL ||
        reinterpret_cast<HWND>(lParam) == controlNamed(window, detailsWindowControls(), cmdClose))
      DestroyWindow(window);
    return 0;
  case WM_NCDESTROY:
    window_ = nullptr;
    topLevelWindowDestroyed();
    break;
  default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pricewright
