// Pricewright for Windows: prices magic items from the game executable's own
// tables. It keeps no settings; a file named on the command line opens at start.
#include <windows.h>

#include <shellapi.h>

#include "win32_shell/main_window.h"
#include "win32_shell/side_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  pricewright::MainWindow::registerClass(instance);
  pricewright::SideWindow::registerClass(pricewright::aboutSideWindow(), instance);
  pricewright::SideWindow::registerClass(pricewright::detailsSideWindow(), instance);
  pricewright::MainWindow mainWindow;
  mainWindow.showCentred();
  // "pricewright FILE": opened at start as File > Open would.
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
    if (count > 1) mainWindow.openFile(arguments[1]);
    LocalFree(arguments);
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (mainWindow.translateShortcut(message)) continue;
    // Tab, Enter and Esc as in a dialog, in whichever window has the focus.
    if (HWND window = GetAncestor(message.hwnd, GA_ROOT); window && IsDialogMessageW(window, &message))
      continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
