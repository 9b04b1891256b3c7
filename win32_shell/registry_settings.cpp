#include "win32_shell/registry_settings.h"

#include <windows.h>

#include "win32_shell/wide_text.h"

namespace pricewright {

std::optional<std::string> RegistrySettings::value(std::string_view key) const {
  const std::wstring name = toWide(key);
  // RRF_RT_REG_SZ turns away every other type; the size counts the ending zero.
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  // Changed in between by another copy of the program: as good as unreadable.
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                   &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
  return toUtf8(text);
}

void RegistrySettings::setValue(std::string_view key, const std::string& value) {
  const std::wstring text = toWide(value);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, toWide(key).c_str(), REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

}  // namespace pricewright
