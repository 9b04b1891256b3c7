// Drives pricewright.exe as a player would, by window messages (controls under
// Wine are no X windows, and without a window manager focus does not follow
// new windows): checks every control's place against the tables, opens a
// synthetic game file through the file dialog, prices the worked example and
// answers the note. Usage: gui_check PRICEWRIGHT_EXE [SECONDS_TO_LINGER]
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "gamedata/file_open.h"
#include "gamedata/game_layouts.h"
#include "pricing/game_rules.h"
#include "shell/about_window_layout.h"
#include "shell/details_window_layout.h"
#include "shell/main_window_layout.h"
#include "tests/support/game_file_fixture.h"
#include "win32_shell/command_ids.h"
#include "win32_shell/wide_text.h"

using namespace pricewright;

namespace {
int failures = 0;
void check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  failures += ok ? 0 : 1;
}

// Polls for up to ten seconds.
template <typename Found> auto waitFor(Found found) {
  for (int tries = 0; tries < 200; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(50)))
    if (auto result = found()) return result;
  return decltype(found()){};
}

// The window once it is shown, so built.
HWND topLevel(const std::string& className, const std::string& title) {
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

HWND control(HWND main, std::string_view name) {
  const auto controls = mainWindowControls();
  for (std::size_t row = 0; row < controls.size(); ++row)
    if (controls[row].name == name) return GetDlgItem(main, controlId(row));
  return nullptr;
}

void command(HWND main, MenuCommand wanted) {
  const auto menus = mainWindowMenus();
  for (std::size_t row = 0; row < menus.size(); ++row)
    if (menus[row].command == wanted) PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId(row)), 0);
}

// Answers the next message box titled `title` and returns its texts.
std::string answerMessageBox(const std::string& title) {
  HWND box = topLevel("#32770", title);
  std::string texts;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    texts += text(child) + "|";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return texts;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / u8"Prüfung ø";
  std::filesystem::create_directories(folder);
  const std::filesystem::path gameFile = folder / "DIABLO.EXE";
  tests::exampleFile().writeTo(gameFile);

  const auto started = std::chrono::steady_clock::now();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
  if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return 2;
  HWND main = topLevel(std::string(kMainWindow.name), std::string(kMainWindow.caption));
  check(main != nullptr, "main window shown after " +
                             std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                std::chrono::steady_clock::now() - started)
                                                .count()) +
                             " ms");
  if (!main) return 1;

  RECT client{};
  GetClientRect(main, &client);
  check(client.right == pixels(kMainWindow.clientWidth) && client.bottom == pixels(kMainWindow.clientHeight),
        "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
  for (const ControlSpec& row : mainWindowControls()) {
    RECT rect{};
    GetWindowRect(control(main, row.name), &rect);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
    const int got[] = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    const int want[] = {pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)};
    // Wine keeps a drop-down list's field at least 4 px taller than its font
    // (23 px in all here); Windows lets it shrink to the table's 21.
    const int listSlack = row.kind == ControlKind::List ? 2 : 0;
    bool within = true;
    for (int i = 0; i < 4; ++i)
      within = within && got[i] - want[i] >= -1 && got[i] - want[i] <= 1 + (i == 3 ? listSlack : 0);
    check(within, std::string(row.name) + " at " + std::to_string(got[0]) + "," + std::to_string(got[1]) +
                      " " + std::to_string(got[2]) + " x " + std::to_string(got[3]));
  }

  command(main, MenuCommand::Open);
  HWND dialog = topLevel("#32770", std::string(kOpenDialogSettings.title));
  check(dialog != nullptr, "file dialog titled \"" + std::string(kOpenDialogSettings.title) + "\"");
  HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(gameFile.c_str()));
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  HWND prefix = control(main, cboPrefix.name);
  check(waitFor([&] {
          return SendMessageW(prefix, CB_GETCOUNT, 0, 0) == kDiablo107.table(Table::Prefixes).recordCount;
        }),
        "the lists filled from " + toUtf8(gameFile.wstring()));

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
  const std::string prices = text(control(main, facts(Shop::Griswold).priceBox.name)) + " " +
                             text(control(main, facts(Shop::Wirt).priceBox.name)) + " " +
                             text(control(main, facts(Shop::Adria).priceBox.name));
  check(prices == "1644.44444444444 2466.66666666667 ---", "prices " + prices);
  HWND tips = nullptr;
  while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
         GetWindow(tips, GW_OWNER) != main) {
  }
  check(tips && SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == 3, "a tooltip on each price box");
  // Lingering lets scripts/screenshot take the main window alone, then with the Details window.
  const auto linger = [&] {
    std::fflush(stdout);
    if (argc > 2) std::this_thread::sleep_for(std::chrono::seconds(std::stoi(toUtf8(argv[2]))));
  };
  linger();
  command(main, MenuCommand::About);
  HWND about = topLevel(std::string(kAboutWindow.name), std::string(kAboutWindow.caption));
  PostMessageW(about, WM_COMMAND, IDCANCEL, 0);  // as Esc does
  check(about && waitFor([&] { return !IsWindow(about); }), "About window shown, then closed by Esc");
  command(main, MenuCommand::Details);
  check(topLevel(std::string(kDetailsWindow.name), std::string(kDetailsWindow.caption)) != nullptr,
        "details window shown");
  linger();
  std::fflush(stdout);

  command(main, MenuCommand::Exit);
  DWORD exitCode = 1;
  check(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0,
        "File > Exit ends the program");
  std::filesystem::remove_all(folder);
  return failures == 0 ? 0 : 1;
}
