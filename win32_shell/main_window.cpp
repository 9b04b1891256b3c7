#include "win32_shell/main_window.h"

#include <array>

#include <commctrl.h>
#include <shellapi.h>

#include "shell/main_window_layout.h"
#include "win32_shell/accessible_names.h"
#include "win32_shell/command_ids.h"
#include "win32_shell/dialogs.h"
#include "win32_shell/top_level_windows.h"
#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"
#include "win32_shell/window_procedure.h"

namespace pricewright {

void MainWindow::registerClass(HINSTANCE instance) {
  registerWindowClass(kMainWindow, windowProcedure<MainWindow>, instance);
}

// No icon in the title bar (WS_EX_DLGMODALFRAME), no minimise or maximise box,
// no sizing border.
MainWindow::MainWindow(SettingsStore* settings)
    : settings_(settings), shortcuts_(buildAccelerators(mainWindowMenus())) {
  createTopLevelWindow(kMainWindow, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME,
                       buildMenuBar(mainWindowMenus()), this);
}

MainWindow::~MainWindow() {
  about_.reset();
  details_.reset();
  if (window_) DestroyWindow(window_);
  DestroyAcceleratorTable(shortcuts_);
}

void MainWindow::show() {
  if (const std::optional<PixelRect> place = settings_ ? rememberedPlace(*settings_) : std::nullopt)
    moveOnScreen(window_, place->left, place->top);
  else
    centre(window_);
  ShowWindow(window_, SW_SHOW);
  SetFocus(control(cboPrefix.name));
}

void MainWindow::openAtStart(const std::optional<std::wstring>& named) {
  session_.openAtStart(named ? std::optional(toUtf8(*named)) : std::nullopt);
}

bool MainWindow::translateShortcut(MSG& message) const {
  return (details_ && details_->translateShortcut(message)) ||
         (window_ && TranslateAcceleratorW(window_, shortcuts_, &message));
}

LRESULT MainWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto handled = layoutMessage(window, message, wParam, lParam, kMainWindow, mainWindowControls()))
    return *handled;
  switch (message) {
  case WM_CREATE:
    window_ = window;
    topLevelWindowCreated();
    buildControls(window, mainWindowControls());
    nameControls(window, mainWindowControls(), mainWindowAccessibleTexts());
    addPriceTooltips();
    DragAcceptFiles(window, TRUE);
    return 0;
  case WM_NOTIFY:
    if (auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam); tip->hdr.code == TTN_GETDISPINFOW) {
      HWND box = reinterpret_cast<HWND>(tip->hdr.idFrom);
      tooltipText_.assign(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
      tooltipText_.resize(static_cast<std::size_t>(
          GetWindowTextW(box, tooltipText_.data(), static_cast<int>(tooltipText_.size()))));
      tip->lpszText = tooltipText_.data();
    }
    return 0;
  case WM_DROPFILES: {
    // One dropped file opens as File > Open would.
    auto* drop = reinterpret_cast<HDROP>(wParam);
    std::wstring path(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())));
    DragFinish(drop);
    openFile(path);
    return 0;
  }
  case WM_COMMAND:
    if (lParam) {
      controlNotified(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    } else if (const auto row = static_cast<std::size_t>(LOWORD(wParam) - kFirstMenuId);
               LOWORD(wParam) >= kFirstMenuId && row < mainWindowMenus().size()) {
      run(mainWindowMenus()[row].command);
    } else if (const auto index = static_cast<std::size_t>(LOWORD(wParam) - kFirstRecentFileId);
               LOWORD(wParam) >= kFirstRecentFileId && index < session_.recentFiles().paths().size()) {
      // A copy: opening the file reorders the list it is in.
      const std::string path = session_.recentFiles().paths()[index];
      session_.openFile(path);
    } else if (LOWORD(wParam) == IDOK && GetFocus() == control(cmdGet)) {
      // The dialog manager turns Enter into IDOK. It presses "Get Costs" only
      // while the button has the focus; Esc (IDCANCEL) does nothing here.
      session_.getCostsPressed();
    }
    return 0;
  case WM_DESTROY:
    // Closed by File > Exit, the close box or Alt+F4 alike.
    if (settings_) rememberPlace(*settings_, placeOf(window));
    break;
  case WM_NCDESTROY:
    window_ = nullptr;
    topLevelWindowDestroyed();
    break;
  default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void MainWindow::controlNotified(HWND notifying, int code) {
  const auto row = static_cast<std::size_t>(GetDlgCtrlID(notifying) - kFirstControlId);
  if (row >= mainWindowControls().size()) return;
  const ControlSpec& entry = mainWindowControls()[row];
  // Picks by mouse or keyboard only: a selection set by the program sends no
  // CBN_SELCHANGE and so runs nothing.
  if (entry.kind == ControlKind::List && code == CBN_SELCHANGE)
    session_.picked(ListBox{entry.name});
  else if (entry.name == chkBase && code == BN_CLICKED)
    session_.normalItemOnlyClicked();
  else if (entry.name == cmdGet && code == BN_CLICKED)
    session_.getCostsPressed();
}

void MainWindow::run(MenuCommand command) {
  switch (command) {
  case MenuCommand::OpensMenu:
  case MenuCommand::RecentFiles: break;
  case MenuCommand::Open: session_.open(); break;
  case MenuCommand::Exit: exitProgram(); break;
  case MenuCommand::About: showAbout(); break;
  case MenuCommand::Details: showDetails(); break;
  }
}

void MainWindow::sessionChanged() {
  if (details_ && details_->isOpen()) {
    details_->showSettings(session_.shopSettings());
    details_->showTexts(session_.details());
  }
  if (window_) listRecentFiles(GetMenu(window_), mainWindowMenus(), session_.recentFiles().paths());
}

void MainWindow::showSide(std::unique_ptr<SideWindow>& side, const SideWindowLayout& layout,
                          SideWindow::ChoicePicked picked) {
  if (side && side->isOpen())
    side->bringToFront();
  else
    side = std::make_unique<SideWindow>(layout, window_, std::move(picked));
}

void MainWindow::showDetails() {
  showSide(details_, detailsSideWindow(),
           [this](std::string_view control, int shown) { session_.shopChoicePicked(control, shown); });
  details_->showSettings(session_.shopSettings());
  details_->showTexts(session_.details());
}

void MainWindow::openFile(const std::wstring& path) { session_.openFile(toUtf8(path)); }

void MainWindow::showAbout() { showSide(about_, aboutSideWindow()); }

void MainWindow::exitProgram() {
  session_.closeFile();
  about_.reset();
  details_.reset();
  DestroyWindow(window_);
}

void MainWindow::addPriceTooltips() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  HWND tips =
      CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, nullptr, nullptr);
  for (const TextBox& box : kPriceBoxes) {
    // The text is asked for when the tip shows (TTN_GETDISPINFOW), so it is always the box's own.
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control(box.name));
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

HWND MainWindow::control(std::string_view name) const {
  return controlNamed(window_, mainWindowControls(), name);
}

void MainWindow::clearList(ListBox list) {
  HWND combo = control(list.name);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  SetWindowTextW(combo, L"");
}

void MainWindow::appendEntry(ListBox list, const std::string& text) {
  SendMessageW(control(list.name), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str()));
}

ListIndex MainWindow::selectedIndex(ListBox list) const {
  return static_cast<ListIndex>(SendMessageW(control(list.name), CB_GETCURSEL, 0, 0));
}

void MainWindow::setSelectedIndex(ListBox list, ListIndex index) {
  SendMessageW(control(list.name), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string MainWindow::text(TextBox box) const {
  HWND edit = control(box.name);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return toUtf8(text);
}

void MainWindow::setText(TextBox box, const std::string& text) {
  SetWindowTextW(control(box.name), toWide(text).c_str());
}

std::int16_t MainWindow::chkBaseValue() const {
  return SendMessageW(control(chkBase), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void MainWindow::showFileOpenDialog(const FileDialogSettings& settings) {
  const std::wstring folder = chosenFileName_.empty() ? toWide(session_.recentFiles().dialogFolder()) : L"";
  if (std::optional<std::wstring> chosen = askOpenFileName(window_, settings, chosenFileName_, folder))
    chosenFileName_ = *chosen;
}

std::string MainWindow::chosenFileName() const { return toUtf8(chosenFileName_); }

void MainWindow::setChosenFileName(const std::string& path) { chosenFileName_ = toWide(path); }

void MainWindow::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  showMessageBox(window_, text, title, icon);
}

std::string MainWindow::decimalSeparator() const {
  std::array<wchar_t, 8> separator{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                                     static_cast<int>(separator.size()));
  return length > 1 ? toUtf8({separator.data(), static_cast<std::size_t>(length - 1)}) : ".";
}

}  // namespace pricewright
