#include "win32_shell/side_window.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "win32_shell/accessible_names.h"
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
  static const SideWindowLayout layout{
      kAboutWindow, aboutWindowControls(), aboutWindowLines(), "cmdOK", "", {}};
  return layout;
}

const SideWindowLayout& detailsSideWindow() {
  static const SideWindowLayout layout{kDetailsWindow, detailsWindowControls(),       {}, cmdClose,
                                       cmdCopy,        detailsWindowAccessibleTexts()};
  return layout;
}

void SideWindow::registerClass(const SideWindowLayout& layout, HINSTANCE instance) {
  registerWindowClass(layout.window, windowProcedure<SideWindow>, instance);
}

SideWindow::SideWindow(const SideWindowLayout& layout, HWND over, ChoicePicked picked)
    : layout_(layout), picked_(std::move(picked)) {
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

void SideWindow::showSettings(const ShopSettings& settings) {
  const std::array<int, 3> shown = choicesShown(settings);
  for (std::size_t at = 0; at < kShopChoices.size(); ++at) {
    HWND control = controlNamed(window_, layout_.controls, kShopChoices[at].control);
    if (kShopChoices[at].level)
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(shown[at]), 0);
    else
      SendMessageW(control, BM_SETCHECK, shown[at] ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void SideWindow::controlNotified(HWND control, int code) {
  if (!picked_) return;
  const auto row = static_cast<std::size_t>(GetDlgCtrlID(control) - kFirstControlId);
  if (row >= layout_.controls.size()) return;
  const std::string_view name = layout_.controls[row].name;
  const auto* const choice = std::ranges::find(kShopChoices, name, &ShopChoice::control);
  if (choice == kShopChoices.end()) return;
  // The player's own changes only: a selection or check set by the program sends neither notification.
  if (choice->level && code == CBN_SELCHANGE)
    picked_(name, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
  else if (!choice->level && code == BN_CLICKED)
    picked_(name, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
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
    if (!layout_.spoken.empty()) nameControls(window, layout_.controls, layout_.spoken);
    for (const ShopChoice& choice : kShopChoices) {
      if (!choice.level ||
          std::ranges::find(layout_.controls, choice.control, &ControlSpec::name) == layout_.controls.end())
        continue;
      HWND list = controlNamed(window, layout_.controls, choice.control);
      for (int level = choice.lowest; level <= choice.highest; ++level)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(level).c_str()));
    }
    SendMessageW(button(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SetFocus(button());
    return 0;
  case WM_COMMAND:
    // The dialog manager sends IDOK for Enter and IDCANCEL for Esc.
    if (const int id = LOWORD(wParam); copyShortcut_ && id == copyId())
      copyTexts();
    else if (id == IDOK || id == IDCANCEL || reinterpret_cast<HWND>(lParam) == button())
      DestroyWindow(window);
    else if (lParam)
      controlNotified(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
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
