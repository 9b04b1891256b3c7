#pragma once

#include <windows.h>

#include <exception>

#include "win32_shell/dialogs.h"

namespace pricewright {

// The window procedure of the window class that `Owner` runs: it finds its
// owner through the pointer given to CreateWindowExW and passes each message
// to Owner::handle. No exception may cross into the system, and none ends the
// program: it is shown in an "Error" box as the session shows its own.
template <typename Owner>
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return owner->handle(window, message, wParam, lParam);
  } catch (const std::exception& error) {
    showMessageBox(window, error.what(), "Error", MessageIcon::Warning);
    return 0;
  }
}

}  // namespace pricewright
