#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window_interface/window.h"

namespace pricewright {

// The system's file-open dialog, starting at `lastChosen` when there is one,
// else in `folder` when given. Returns the confirmed path, or nothing on a cancel.
std::optional<std::wstring> askOpenFileName(HWND owner, const FileDialogSettings& settings,
                                            const std::wstring& lastChosen, const std::wstring& folder);

// A message box with an OK button; returns when it is closed.
void showMessageBox(HWND owner, const std::string& text, const std::string& title, MessageIcon icon);

}  // namespace pricewright
