// Pricewright for Windows: prices magic items from the game executable's own
// tables. It remembers the files last opened and its place in the registry; a
// file named on the command line opens at start in place of the last one.
#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "win32_shell/main_window.h"
#include "win32_shell/registry_settings.h"
#include "win32_shell/side_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The accessible names and the file dialog's shell views are COM objects.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  pricewright::MainWindow::registerClass(instance);
  pricewright::SideWindow::registerClass(pricewright::aboutSideWindow(), instance);
  pricewright::SideWindow::registerClass(pricewright::detailsSideWindow(), instance);
  pricewright::RegistrySettings settings;
  pricewright::MainWindow mainWindow(&settings);
  mainWindow.show();
  // "pricewright FILE"
  std::optional<std::wstring> named;
  int count = 0;
  if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
    if (count > 1) named = arguments[1];
    LocalFree(arguments);
  }
  mainWindow.openAtStart(named);

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
