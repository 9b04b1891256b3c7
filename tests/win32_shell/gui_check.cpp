// Drives pricewright.exe as a player would, by window messages (controls under
// Wine are no X windows, and without a window manager focus does not follow
// new windows), once per display scale: checks every control's place against
// the tables, that every caption fits, what a screen reader hears, opens a
// synthetic game file (through the dialog at the first start, by itself after),
// prices the worked example, answers the note and copies the Details.
// Usage: gui_check PRICEWRIGHT_EXE DPI [SECONDS_TO_LINGER]
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "gamedata/game_layouts.h"
#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"
#include "shell/window_operations.h"
#include "tests/support/game_file_fixture.h"
#include "tests/support/map_settings.h"
#include "win32_shell/command_ids.h"
#include "win32_shell/main_window.h"
#include "win32_shell/registry_settings.h"
#include "win32_shell/wide_text.h"
#include "win32_shell/window_builder.h"

using namespace pricewright;

namespace {
int failures = 0;
void check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  failures += ok ? 0 : 1;
}

// scripts/check-windows-gui runs the check at these, in this order; the first
// starts with no settings, the others where the one before left the window.
constexpr UINT kFirstDpi = 96;
constexpr UINT kLastDpi = 192;
constexpr POINT kLeftAt{48, 36};

// Polls for up to ten seconds.
template <typename Found> auto waitFor(Found found) {
  for (int tries = 0; tries < 200; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(50)))
    if (auto result = found()) return result;
  return decltype(found()){};
}

// The window once it is shown, so built.
HWND topLevel(std::string_view className, std::string_view title) {
  return waitFor([&] {
    HWND window = FindWindowW(toWide(className).c_str(), toWide(title).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
  });
}

std::string text(HWND window) {
  // GetWindowTextW does not ask another process's controls.
  wchar_t buffer[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
  return toUtf8(buffer);
}

HWND control(HWND main, std::string_view name) { return controlNamed(main, mainWindowControls(), name); }

void command(HWND main, MenuCommand wanted) {
  const auto menus = mainWindowMenus();
  for (std::size_t row = 0; row < menus.size(); ++row)
    if (menus[row].command == wanted) PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(row)), 0);
}

// Answers the next message box titled `title` and returns its texts.
std::string answerMessageBox(std::string_view title) {
  HWND box = topLevel("#32770", title);
  std::string texts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    texts += text(child) + "|";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return texts;
}

// The clipboard's text, emptying it.
std::optional<std::string> takeClipboard() {
  std::optional<std::string> text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = toUtf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  EmptyClipboard();
  CloseClipboard();
  return text;
}

std::string rectText(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top);
}

// What Wine lets no other process see, in a copy of the main window in this
// one: the File menu (GetSubMenu fails on another process's menu) and each
// caption against its control in the control's font (Wine does not pass on
// WM_GETFONT), drawn in the face asked for, as a stand-in may not show the weight.
void checkWindowCopy(UINT dpi) {
  MainWindow::registerClass(GetModuleHandleW(nullptr));
  {
    tests::MapSettings settings;
    settings.values["RecentFile1"] = "C:\\Rock & Roll\\DIABLO.EXE";
    MainWindow copy(&settings);
    HWND window = FindWindowW(toWide(kMainWindow.name).c_str(), nullptr);
    HMENU file = GetSubMenu(GetMenu(window), 0);
    copy.openAtStart(std::nullopt);  // not there, but listed
    wchar_t recent[64] = {};
    GetMenuStringW(file, recentFileId(0), recent, 64, MF_BYCOMMAND);
    check(std::wstring_view(recent) == L"1 C:\\Rock && Roll\\DIABLO.EXE" && GetMenuItemCount(file) == 5,
          "File menu lists " + toUtf8(recent) + " among " + std::to_string(GetMenuItemCount(file)));
    for (const ControlSpec& row : mainWindowControls()) {
      if (row.caption.empty()) continue;
      HWND box = control(window, row.name);
      const auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
      LOGFONTW asked{};
      GetObjectW(font, sizeof asked, &asked);
      HDC dc = GetDC(box);
      HGDIOBJ previous = SelectObject(dc, font);
      const std::wstring caption = toWide(row.caption);
      SIZE size{};
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
      wchar_t face[LF_FACESIZE] = {};
      GetTextFaceW(dc, LF_FACESIZE, face);
      SelectObject(dc, previous);
      ReleaseDC(box, dc);
      RECT client{};
      GetClientRect(box, &client);
      const int mark = row.kind == ControlKind::CheckBox ? GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) : 0;
      check(size.cx + mark <= client.right && size.cy <= client.bottom &&
                asked.lfWeight == (row.weight == FontWeight::Bold ? FW_BOLD : FW_NORMAL) &&
                std::wstring_view(face) == asked.lfFaceName,
            std::string(row.name) + " caption " + std::to_string(size.cx + mark) + " wide in " +
                rectText(client) + ", " + toUtf8(face) + " " + std::to_string(asked.lfWeight));
    }
  }
  MSG quit;  // the copy was this thread's last window
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const auto dpi = static_cast<UINT>(std::stoi(argv[2]));
  // Places and sizes in the program's own pixels.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  // Within a pixel of `twips` at this dpi, give or take `slack` more.
  const auto within = [&](int pixels, int twips, int slack = 0) {
    const int off = pixels * kTwipsPerInch - twips * static_cast<int>(dpi);
    return off >= -kTwipsPerInch && off <= (1 + slack) * kTwipsPerInch;
  };
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / u8"Prüfung ø";
  std::filesystem::create_directories(folder);
  const std::filesystem::path gameFile = folder / "DIABLO.EXE";
  tests::exampleFile().writeTo(gameFile);
  if (dpi == kFirstDpi) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    // A DWORD whose bytes read as the text "5": only a REG_SZ is a place, so the first start is centred.
    const DWORD five = '5';
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"WindowLeft", REG_DWORD, &five, sizeof five);
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"WindowTop", REG_SZ, L"7", 2 * sizeof(wchar_t));
  }
  checkWindowCopy(dpi);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
  if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return 2;
  HWND main = topLevel(kMainWindow.name, kMainWindow.caption);
  check(main && GetDpiForWindow(main) == dpi,
        "main window shown at " + std::to_string(GetDpiForWindow(main)) + " dpi");
  if (!main) return 1;
  SendMessageW(main, WM_NULL, 0, 0);  // the start is over once the program answers

  RECT frame{};
  GetWindowRect(main, &frame);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  check(dpi == kFirstDpi ? std::abs(frame.left + frame.right - work.left - work.right) <= 1 &&
                               std::abs(frame.top + frame.bottom - work.top - work.bottom) <= 1
                         : frame.left == kLeftAt.x && frame.top == kLeftAt.y,
        "centred at the first start, else where the last left it: " + rectText(frame));
  RECT client{};
  GetClientRect(main, &client);
  check(within(client.right, kMainWindow.clientWidth) && within(client.bottom, kMainWindow.clientHeight),
        "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
  for (const ControlSpec& row : mainWindowControls()) {
    HWND box = control(main, row.name);
    RECT rect{};
    GetWindowRect(box, &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    // Wine keeps a drop-down list's field at least 4 px taller than its font
    // (23 px in all at 96 dpi); Windows lets it shrink to the table's 21.
    const int listSlack = row.kind == ControlKind::List ? 2 * static_cast<int>(dpi) / 96 : 0;
    check(within(rect.left, row.left) && within(rect.top, row.top) &&
              within(rect.right - rect.left, row.width) &&
              within(rect.bottom - rect.top, row.height, listSlack),
          std::string(row.name) + " at " + rectText(rect));
    // Wine keeps no names given to a screen reader (IAccPropServices answers
    // E_NOTIMPL), so each control's is checked where Windows takes it from
    // otherwise: a box's from the label created just before it, a button's or
    // check box's from its caption, which end the name the table gives it.
    if (row.kind == ControlKind::Label) continue;
    const std::string byOrder = row.caption.empty() ? text(GetWindow(box, GW_HWNDPREV)) : text(box);
    const auto spoken = std::ranges::find(mainWindowAccessibleTexts(), row.name, &AccessibleText::control);
    check(!byOrder.empty() && spoken->name.ends_with(byOrder),
          std::string(row.name) + " named after \"" + byOrder + "\"");
  }

  HWND prefix = control(main, cboPrefix.name);
  const auto listsFilled = [&] {
    return waitFor([&] {
      return SendMessageW(prefix, CB_GETCOUNT, 0, 0) == kDiablo107.table(Table::Prefixes).recordCount;
    });
  };
  if (dpi == kFirstDpi) {
    command(main, MenuCommand::Open);
    HWND dialog = topLevel("#32770", kOpenDialogSettings.title);
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(gameFile.c_str()));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  } else if (dpi == kLastDpi) {
    // Opened by itself at start, then again from the File menu, which empties the lists first.
    check(listsFilled(), "the remembered file opened at start");
    PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(recentFileId(0)), 0);
    check(waitFor([&] { return SendMessageW(prefix, CB_GETCURSEL, 0, 0) == CB_ERR; }),
          "File > 1 opens again");
  }
  check(listsFilled(), "the lists filled from " + toUtf8(gameFile.wstring()));

  const auto pick = [&](ListBox list, int index) {
    HWND combo = control(main, list.name);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
  };
  pick(cboBase, 2);
  pick(cboPrefix, 5);
  check(text(control(main, txtPreEff.name)) == " 21- 30",
        "prefix range \"" + text(control(main, txtPreEff.name)) + "\"");
  SendMessageW(control(main, txtPreEff.name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"25"));
  PostMessageW(control(main, cmdGet), BM_CLICK, 0, 0);
  const std::string note = answerMessageBox("Note");
  check(note.find("Item Not Found at Griswold's Shop") != std::string::npos, "note " + note);
  std::string prices;
  for (const TextBox& box : kPriceBoxes) prices += text(control(main, box.name)) + " ";
  check(prices == "1644.44444444444 2466.66666666667 --- ", "prices " + prices);
  HWND tips = nullptr;
  while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
         GetWindow(tips, GW_OWNER) != main) {
  }
  check(tips && SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == 3, "a tooltip on each price box");
  // Lingering lets scripts/screenshot take the main window alone, then with the Details window.
  const auto linger = [&] {
    std::fflush(stdout);
    if (argc > 3) std::this_thread::sleep_for(std::chrono::seconds(std::stoi(argv[3])));
  };
  linger();
  command(main, MenuCommand::About);
  HWND about = topLevel(kAboutWindow.name, kAboutWindow.caption);
  PostMessageW(about, WM_COMMAND, IDCANCEL, 0);  // as Esc does
  check(about && waitFor([&] { return !IsWindow(about); }), "About window shown, then closed by Esc");
  command(main, MenuCommand::Details);
  HWND details = topLevel(kDetailsWindow.name, kDetailsWindow.caption);
  // Copy, then Ctrl+C, each put the whole text on the clipboard.
  takeClipboard();
  PostMessageW(controlNamed(details, detailsWindowControls(), cmdCopy), BM_CLICK, 0, 0);
  const std::string copied = waitFor(takeClipboard).value_or("");
  SetForegroundWindow(details);
  for (const auto& [key, flags] : {std::pair<WORD, DWORD>{VK_CONTROL, 0},
                                   {'C', 0},
                                   {'C', KEYEVENTF_KEYUP},
                                   {VK_CONTROL, KEYEVENTF_KEYUP}}) {
    INPUT input{INPUT_KEYBOARD, {}};
    input.ki = {key, 0, flags, 0, 0};
    SendInput(1, &input, sizeof input);
  }
  check(copied.starts_with("DIABLO.EXE: Diablo 1.07, modified\r\n") &&
            copied.find("1644.44444444444") != std::string::npos && waitFor(takeClipboard) == copied,
        "Copy and Ctrl+C copied \"" + copied.substr(0, copied.find('\r')) + "\" and " +
            std::to_string(std::ranges::count(copied, '\n')) + " lines more");
  linger();

  SetWindowPos(main, nullptr, kLeftAt.x, kLeftAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  command(main, MenuCommand::Exit);
  DWORD exitCode = 1;
  check(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0,
        "File > Exit ends the program");
  wchar_t recent[MAX_PATH] = {};
  DWORD recentBytes = sizeof recent;
  RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"RecentFile1", RRF_RT_REG_SZ, nullptr, recent, &recentBytes);
  check(gameFile.wstring() == recent, "the registry's first recent file " + toUtf8(recent));
  return failures == 0 ? 0 : 1;
}
