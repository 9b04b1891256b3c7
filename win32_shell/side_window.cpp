#include "win32_shell/side_window.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "win32_shell/command_ids.h"
#include "win32_shell/top_level_windows.h"
#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"
#include "win32_shell/window_procedure.h"

namespace pricewright {

namespace {
void putOnClipboard(HWND owner, const std::wstring& text) {
  // Another program may hold the clipboard for a moment.
  for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
    if (attempt == 10)
      throw std::runtime_error("The clipboard is in use by another program; nothing was copied.");
    Sleep(20);
  }
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    // The clipboard owns what it took.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}
}  // namespace

const SideWindowLayout& aboutSideWindow() {
  static const SideWindowLayout layout{kAboutWindow, aboutWindowControls(), aboutWindowLines(), "cmdOK", ""};
  return layout;
}

const SideWindowLayout& detailsSideWindow() {
  static const SideWindowLayout layout{kDetailsWindow, detailsWindowControls(), {}, cmdClose, cmdCopy};
  return layout;
}

void SideWindow::registerClass(const SideWindowLayout& layout, HINSTANCE instance) {
  registerWindowClass(layout.window, windowProcedure<SideWindow>, instance);
}

SideWindow::SideWindow(const SideWindowLayout& layout, HWND over) : layout_(layout) {
  if (!layout.copyButton.empty()) {
    ACCEL copy{FVIRTKEY | FCONTROL, 'C', static_cast<WORD>(copyId())};
    copyShortcut_ = CreateAcceleratorTableW(&copy, 1);
  }
  createTopLevelWindow(layout.window, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, nullptr,
                       this);
  centre(window_, over);
  bringToFront();
}

SideWindow::~SideWindow() {
  if (window_) DestroyWindow(window_);
  if (copyShortcut_) DestroyAcceleratorTable(copyShortcut_);
}

HWND SideWindow::button() const { return controlNamed(window_, layout_.controls, layout_.button); }

int SideWindow::copyId() const {
  const auto row = std::ranges::find(layout_.controls, layout_.copyButton, &ControlSpec::name);
  return controlId(static_cast<std::size_t>(row - layout_.controls.begin()));
}

bool SideWindow::translateShortcut(MSG& message) const {
  return copyShortcut_ && window_ && GetAncestor(message.hwnd, GA_ROOT) == window_ &&
         TranslateAcceleratorW(window_, copyShortcut_, &message);
}

void SideWindow::copyTexts() const {
  std::wstring text;
  for (const wchar_t c : toWide(detailsPlainText(shown_)))
    text += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  putOnClipboard(window_, text);
}

void SideWindow::bringToFront() const {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void SideWindow::showTexts(const std::vector<LabelText>& texts) {
  shown_ = texts;
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
    if (const int id = LOWORD(wParam); copyShortcut_ && id == copyId())
      copyTexts();
    else if (id == IDOK || id == IDCANCEL || reinterpret_cast<HWND>(lParam) == button())
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
