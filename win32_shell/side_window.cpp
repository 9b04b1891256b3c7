#include "win32_shell/side_window.h"

#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "win32_shell/top_level_windows.h"
#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"
#include "win32_shell/window_procedure.h"

namespace pricewright {

const SideWindowLayout& aboutSideWindow() {
  static const SideWindowLayout layout{kAboutWindow, aboutWindowControls(), aboutWindowLines(), "cmdOK"};
  return layout;
}

const SideWindowLayout& detailsSideWindow() {
  static const SideWindowLayout layout{kDetailsWindow, detailsWindowControls(), {}, cmdClose};
  return layout;
}

void SideWindow::registerClass(const SideWindowLayout& layout, HINSTANCE instance) {
  registerWindowClass(layout.window, windowProcedure<SideWindow>, instance);
}

SideWindow::SideWindow(const SideWindowLayout& layout, HWND over) : layout_(layout) {
  createTopLevelWindow(layout.window, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, nullptr,
                       this);
  centre(window_, over);
  bringToFront();
}

SideWindow::~SideWindow() {
  if (window_) DestroyWindow(window_);
}

HWND SideWindow::button() const { return controlNamed(window_, layout_.controls, layout_.button); }

void SideWindow::bringToFront() const {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void SideWindow::showTexts(const std::vector<LabelText>& texts) const {
  for (const LabelText& text : texts)
    SetWindowTextW(controlNamed(window_, layout_.controls, text.label), toWide(text.text).c_str());
}

LRESULT SideWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = layoutMessage(window, message, wParam, lParam, layout_.window, layout_.controls))
    return *handled;
  switch (message) {
  case WM_CREATE:
    window_ = window;
    topLevelWindowCreated();
    buildControls(window, layout_.controls);
    SendMessageW(button(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SetFocus(button());
    return 0;
  case WM_COMMAND:
    // The dialog manager sends IDOK for Enter and IDCANCEL for Esc.
    if (const int id = LOWORD(wParam);
        id == IDOK || id == IDCANCEL || reinterpret_cast<HWND>(lParam) == button())
      DestroyWindow(window);
    return 0;
  case WM_PAINT: {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    drawLines(window, dc, layout_.lines);
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
