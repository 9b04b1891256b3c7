// Pricewright for Windows: prices magic items from the game executable's own
// tables. It takes no command line and keeps no settings.
#include <windows.h>

#include "win32_shell/about_window.h"
#include "win32_shell/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  pricewright::MainWindow::registerClass(instance);
  pricewright::AboutWindow::registerClass(instance);
  pricewright::MainWindow mainWindow;
  mainWindow.showCentred();

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
