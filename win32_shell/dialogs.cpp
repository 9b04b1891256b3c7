#include "win32_shell/dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win32_shell/wide_text.h"

namespace pricewright {

namespace {
// Room for long paths, not only MAX_PATH.
constexpr std::size_t kPathBufferSize = 32768;
}  // namespace

std::optional<std::wstring> askOpenFileName(HWND owner, const FileDialogSettings& settings,
                                            const std::wstring& lastChosen, const std::wstring& folder) {
  // One filter: its description, then its pattern, each ending in a zero,
  // then a zero that ends the list.
  std::wstring filter = toWide(settings.filterDescription) + L'\0' + toWide(settings.filterPattern) + L'\0';
  const std::wstring title = toWide(settings.title);
  std::vector<wchar_t> path(kPathBufferSize, L'\0');
  lastChosen.copy(path.data(), path.size() - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  return std::wstring(path.data());
}

void showMessageBox(HWND owner, const std::string& text, const std::string& title, MessageIcon icon) {
  MessageBoxW(owner, toWide(text).c_str(), toWide(title).c_str(),
              MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : 0));
}

}  // namespace pricewright
