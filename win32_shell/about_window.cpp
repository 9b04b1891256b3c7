#include "win32_shell/about_window.h"

#include "shell/about_window_layout.h"
#include "win32_shell/top_level_windows.h"
#include "win32_shell/window_builder.h"
#include "win32_shell/window_procedure.h"

namespace pricewright {

void AboutWindow::registerClass(HINSTANCE instance) {
  registerWindowClass(kAboutWindow, windowProcedure<AboutWindow>, instance);
}

AboutWindow::AboutWindow(HWND over) {
  createTopLevelWindow(kAboutWindow, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, nullptr,
                       this);
  centre(window_, over);
  bringToFront();
}

AboutWindow::~AboutWindow() { close(); }

HWND AboutWindow::okButton() const { return controlNamed(window_, aboutWindowControls(), "cmdOK"); }

void AboutWindow::bringToFront() const {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void AboutWindow::close() const {
  if (window_) DestroyWindow(window_);
}

LRESULT AboutWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled =
          layoutMessage(window, message, wParam, lParam, kAboutWindow, aboutWindowControls()))
    return *handled;
  switch (message) {
  case WM_CREATE: {
    window_ = window;
    topLevelWindowCreated();
    buildControls(window, aboutWindowControls());
    // OK is the default button: Enter presses it wherever the focus is.
    HWND ok = okButton();
    SendMessageW(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SetFocus(ok);
    return 0;
  }
  case WM_COMMAND:
    // The dialog manager sends IDOK for Enter and IDCANCEL for Esc.
    if (const int id = LOWORD(wParam);
        id == IDOK || id == IDCANCEL || reinterpret_cast<HWND>(lParam) == okButton())
      DestroyWindow(window);
    return 0;
  case WM_PAINT: {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawLines(window, dc, aboutWindowLines());
    EndPaint(window, &paint);
    return 0;
  }
  case WM_NCDESTROY:
    window_ = nullptr;
    topLevelWindowDestroyed();
    break;
  default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pricewright
